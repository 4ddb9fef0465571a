// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormatoPreparados.h"
#include "Bytes.h"
#include "Contador.h"
#include <optional>

namespace {

constexpr std::string_view Cabecera = "NOVARO sudokus preparados 1";
constexpr std::string_view FinDeLinea = "\r\n";

std::optional<Digitos> LeerDigitos(std::string_view texto)
{
    if (texto.size() != 81) return std::nullopt;
    Digitos t{};
    for (int i = 0; i < 81; ++i) {
        if (texto[i] < '0' || texto[i] > '9') return std::nullopt;
        t[i] = static_cast<int8_t>(texto[i] - '0');
    }
    return t;
}

void EscribirDigitos(std::string& b, const Digitos& digitos)
{
    for (int8_t x : digitos) b += static_cast<char>('0' + x);
}

bool Entero(const SudokuHecho& s)
{
    for (int i = 0; i < 81; ++i)
        if (s.solucion[i] == 0 || (s.dados[i] != 0 && s.dados[i] != s.solucion[i])) return false;
    // A full board that keeps the rules is its own one solution.
    if (ContarSoluciones(s.solucion, 1) != 1) return false;
    return ContarSoluciones(s.dados, 2) == 1;
}

} // namespace

std::string CodificarPreparados(const Reservas& reservas)
{
    std::string b(Cabecera);
    b += FinDeLinea;
    for (int d = 0; d < Dificultades; ++d)
        for (const SudokuHecho& s : reservas[d]) {
            b += std::to_string(d);
            b += ' ';
            EscribirDigitos(b, s.dados);
            b += ' ';
            EscribirDigitos(b, s.solucion);
            b += FinDeLinea;
        }
    return b;
}

Reservas DecodificarPreparados(std::string_view bytes)
{
    Reservas r;
    const std::vector<std::string_view> lineas = Partir(bytes, '\n');
    if (SinEspacios(lineas[0]) != Cabecera) return r;
    for (size_t k = 1; k < lineas.size(); ++k) {
        const std::vector<std::string_view> partes = Partir(SinEspacios(lineas[k]), ' ');
        if (partes.size() != 3 || partes[0].size() != 1) continue;
        const int d = partes[0][0] - '0';
        if (d <= static_cast<int>(Dificultad::PorNivel) || d >= Dificultades || r[d].size() >= PreparadosPorDificultad) continue;
        const auto dados = LeerDigitos(partes[1]), solucion = LeerDigitos(partes[2]);
        if (!dados || !solucion) continue;
        SudokuHecho s{*dados, *solucion, 0, true};
        if (Entero(s)) r[d].push_back(s);
    }
    return r;
}
