// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>

// A board as digits, row-major, 0 for an empty cell.
using Digitos = std::array<int8_t, 81>;

// What the count could say: a board this hard to search is given up on, never waited for.
inline constexpr int SolucionesDesconocidas = -1;

// A digit one cell may not take, so a search looks for a solution other than a known one.
struct Prohibido {
    int16_t celda = -1;
    int8_t digito = 0;
};

// Counts the board's solutions, stopping once it has found tope of them; the first
// ones found are written to halladas (room for tope boards) when it is given.
// 0 when the board breaks the rules or has no solution; SolucionesDesconocidas
// when the search grew past what a keystroke may take.
int ContarSoluciones(const Digitos& tablero, int tope = 2, Digitos* halladas = nullptr, Prohibido sin = {});

// The 20 other cells of a cell's row, column and panel, and the 27 groups
// (rows, then columns, then panels in reading order), for every solver.
const std::array<std::array<int8_t, 20>, 81>& Vecinas();
const std::array<std::array<int8_t, 9>, 27>& GruposDeCasillas();
