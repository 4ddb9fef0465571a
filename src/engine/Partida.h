// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Azar.h"
#include "Casillas.h"
#include "Estado.h"

// Carves the puzzle for level e.Nivel out of e.Solucion into the cells.
void CrearPartida(EstadoJuego& e, Casillas& casillas, FuenteAzar& azar);

// GenerarSolucion, Barajar, CrearPartida: the only way a new game is dealt.
void NuevaPartida(EstadoJuego& e, Casillas& casillas, FuenteAzar& azar);
