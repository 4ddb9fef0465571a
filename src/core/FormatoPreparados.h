// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>
#include "PorDificultad.h"

// Puzzles of each kind made ahead, so a new game of a hard kind is there at once.
inline constexpr size_t PreparadosPorDificultad = 4;
using Reservas = std::array<std::vector<SudokuHecho>, Dificultades>;   // PorNivel stays empty

// Twenty puzzles of two lines of 81: anything much larger is not ours.
inline constexpr std::size_t TamanoMaximoPreparados = 16 * 1024;

// A line naming the format, then a line per puzzle: its kind's number, its givens
// and its solution, 81 digits each ('0' for an empty cell).
std::string CodificarPreparados(const Reservas& reservas);
// Only puzzles that are whole: a solution that keeps the rules, givens taken from it,
// one solution, and no more per kind than are kept. A file of someone else gives none.
Reservas DecodificarPreparados(std::string_view bytes);
