// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include "Casillas.h"
#include "Estado.h"

// What one slot holds. Cells are row-major (index = fila * 9 + columna);
// the column-by-column order of the solution is a matter of the file alone.
struct RegistroPartida {
    bool SonidoActivo = true;
    std::array<int16_t, 81> Solucion{};
    std::array<bool, 81> Originales{};
    std::array<bool, 81> Provisionales{};
    std::array<std::string, 81> Textos;   // UTF-8
    std::array<uint16_t, 81> Notas{};   // nine-bit masks, as the game state keeps them

    bool operator==(const RegistroPartida&) const = default;
};

// Takes the game as it stands: the state's solution, flags and sound switch, and the cell texts.
RegistroPartida RegistroDe(const EstadoJuego& estado, const Casillas& casillas);

// Puts a loaded game back: solution, flags, sound switch and cell texts.
// Colours and locks are left to the caller.
void AplicarRegistro(const RegistroPartida& registro, EstadoJuego& estado, Casillas& casillas);
