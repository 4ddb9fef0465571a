// SPDX-License-Identifier: GPL-3.0-or-later
#include "Bytes.h"
#include <limits>

namespace {

bool EsEspacio(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

} // namespace

std::string_view SinEspacios(std::string_view texto)
{
    while (!texto.empty() && EsEspacio(texto.front())) texto.remove_prefix(1);
    while (!texto.empty() && EsEspacio(texto.back())) texto.remove_suffix(1);
    return texto;
}

std::optional<int> LeerEntero(std::string_view texto)
{
    texto = SinEspacios(texto);
    bool negativo = false;
    if (!texto.empty() && (texto.front() == '+' || texto.front() == '-')) {
        negativo = texto.front() == '-';
        texto.remove_prefix(1);
    }
    if (texto.empty()) return std::nullopt;
    // Counted on the negative side, which holds one more than the positive.
    long long valor = 0;
    for (char c : texto) {
        if (c < '0' || c > '9') return std::nullopt;
        valor = valor * 10 - (c - '0');
        if (valor < std::numeric_limits<int>::min()) return std::nullopt;
    }
    if (!negativo) {
        if (-valor > std::numeric_limits<int>::max()) return std::nullopt;
        valor = -valor;
    }
    return static_cast<int>(valor);
}

std::vector<std::string_view> Partir(std::string_view texto, char separador)
{
    std::vector<std::string_view> partes;
    size_t inicio = 0;
    for (size_t i = texto.find(separador); i != std::string_view::npos; i = texto.find(separador, inicio)) {
        partes.push_back(texto.substr(inicio, i - inicio));
        inicio = i + 1;
    }
    partes.push_back(texto.substr(inicio));
    return partes;
}
