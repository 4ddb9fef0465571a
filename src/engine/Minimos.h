// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include "Azar.h"
#include "Contador.h"

// A solved board drawn at random: the three panels of the diagonal share no row or
// column, so each takes a shuffled 1..9 freely, and the counter completes the rest.
Digitos SolucionAlAzar(FuenteAzar& azar);

// The givens left when the cells of the solved board go one at a time, in a random
// order, each only while the puzzle keeps its one solution and admite (when given)
// accepts what is left. A cell that could not go never can later, as fewer givens
// never leave fewer solutions, so one pass is enough: with no admite the puzzle is
// minimal.
Digitos Cavar(const Digitos& solucion, FuenteAzar& azar, const std::function<bool(const Digitos&)>& admite = {});

// A random minimal puzzle: no given can go without a second solution.
inline Digitos SudokuMinimo(FuenteAzar& azar) { return Cavar(SolucionAlAzar(azar), azar); }
