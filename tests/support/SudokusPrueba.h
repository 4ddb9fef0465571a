// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Puzzles from outside, written as the one line X copies: a digit or '.' a cell.

// One solution, found by the hint's reasoning alone.
inline constexpr char SudokuFacil[] =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
inline constexpr char SolucionFacil[] =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
// Seventeen givens, the fewest a puzzle with one solution can have; it has one.
inline constexpr char Sudoku17[] =
    ".......1.4.........2...........5.4.7..8...3....1.9....3..4..2...5.1........8.6...";
// One solution that the hint reached only by a guess before it learned the nested
// forcing chains (Inkala's of 2012).
inline constexpr char SudokuConTanteo[] =
    "8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4..";
