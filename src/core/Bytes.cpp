// SPDX-License-Identifier: GPL-3.0-or-later
#include "Bytes.h"
#include "Fecha.h"
#include <charconv>
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

std::optional<int64_t> LeerLargo(std::string_view texto)
{
    if (texto.empty() || texto.front() < '0' || texto.front() > '9') return std::nullopt;
    int64_t v = 0;
    const auto [fin, error] = std::from_chars(texto.data(), texto.data() + texto.size(), v);
    if (error != std::errc() || fin != texto.data() + texto.size()) return std::nullopt;
    return v;
}

namespace {

std::string Cifras(int v, size_t ancho)
{
    std::string t = std::to_string(v);
    return std::string(t.size() < ancho ? ancho - t.size() : 0, '0') + t;
}

} // namespace

std::string FechaIso(const Fecha& f)
{
    return Cifras(f.anio, 4) + '-' + Cifras(f.mes, 2) + '-' + Cifras(f.dia, 2);
}

std::optional<Fecha> LeerFechaIso(std::string_view texto)
{
    const std::vector<std::string_view> partes = Partir(texto, '-');
    if (partes.size() != 3 || partes[0].size() != 4 || partes[1].size() != 2 || partes[2].size() != 2) return std::nullopt;
    const std::optional<int64_t> a = LeerLargo(partes[0]), m = LeerLargo(partes[1]), d = LeerLargo(partes[2]);
    if (!a || !m || !d) return std::nullopt;
    const Fecha f{static_cast<int>(*a), static_cast<int>(*m), static_cast<int>(*d)};
    if (!FechaValida(f)) return std::nullopt;
    return f;
}
