// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Azar.h"
#include "Contador.h"
#include "Casillas.h"
#include "Estado.h"

// Carves the puzzle for level e.Nivel out of e.Solucion into the cells.
void CrearPartida(EstadoJuego& e, Casillas& casillas, FuenteAzar& azar);

// GenerarSolucion, Barajar, CrearPartida: the only way a new game is dealt.
void NuevaPartida(EstadoJuego& e, Casillas& casillas, FuenteAzar& azar);

// A game whose givens and solution come from elsewhere (a puzzle the player brings),
// left as a new game leaves the board: givens red and locked, the cursor on the
// first cell, the level untouched.
void EmpezarPartida(EstadoJuego& e, Casillas& casillas, const Digitos& dados, const Digitos& solucion);
