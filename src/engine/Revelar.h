// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Casillas.h"
#include "Estado.h"

// Writes the whole solution into the cells; givens keep their flags and lock.
void VerSolucion(EstadoJuego& e, Casillas& casillas);
