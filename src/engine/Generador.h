// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include "Azar.h"
#include "Estado.h"

void GenerarSolucion(EstadoJuego& e, FuenteAzar& azar);
void Barajar(EstadoJuego& e, FuenteAzar& azar);
void IntercambiarLineas(EstadoJuego& e, int16_t Orientacion, int16_t linea);
void IntercambiarBloques(EstadoJuego& e, int16_t Orientacion, int16_t bloque);
