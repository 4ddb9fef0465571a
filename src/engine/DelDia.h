// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include "Dificultad.h"
#include "Fecha.h"
#include "PorDificultad.h"

// The sudoku of the day: every player gets the same one on the same date, on every
// platform and offline, because it comes from the date alone, through the engine's own
// random source (whole-number draws, IEEE single products), never from a clock, the
// platform's generator or the puzzles made ahead.

// Harder through the week: Monday Sencillo, Tuesday and Wednesday Intermedio, Thursday
// and Friday Avanzado, Saturday Experto, Sunday Maestro.
Dificultad DificultadDelDia(const Fecha& fecha);
uint64_t SemillaDelDia(const Fecha& fecha);
SudokuHecho SudokuDelDia(const Fecha& fecha);
