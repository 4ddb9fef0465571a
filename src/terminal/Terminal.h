// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include "Importar.h"

// Plays until the player leaves or the input ends, keeping the game and the settings
// where the desktop game keeps them. nueva: the designed start, whatever was kept;
// dia: the sudoku of the day once the start is done.
int Jugar(bool nueva, const std::optional<SudokuLeido>& sudoku, bool dia = false);

// --help and --version.
std::string AyudaDeOrdenes();
std::string Version();
