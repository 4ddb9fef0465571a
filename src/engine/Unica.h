// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include "Azar.h"
#include "Contador.h"

using Dados = std::array<bool, 81>;

// The givens of a puzzle carved out of the solved board `solucion`, changed as
// little as it takes to leave exactly one solution, which the hint's reasoning
// reaches without a guess: as many givens as `dados`
// holds, at least one in every row, column and panel, the designed givens the
// last to go. Draws from azar. Expects `dados` to cover every row, column and panel.
Dados UnaSolucion(const Digitos& solucion, const Dados& dados, FuenteAzar& azar);
