#pragma once
#include "Casillas.h"
#include "Estado.h"

// Writes the whole solution into the cells; givens keep their flags and lock.
void VerSolucion(EstadoJuego& e, Casillas& casillas);
