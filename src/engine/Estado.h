// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include "Dificultad.h"
#include "Historial.h"

// The state of one game, owned by the main window for the whole run.
struct EstadoJuego {
    int16_t ColumnaActual = 0;
    int16_t FilaActual = 0;
    int16_t CasillaActual = 0;
    std::array<std::array<int16_t, 9>, 9> Solucion{};   // [fila][columna]
    std::array<bool, 81> Originales{};
    std::array<bool, 81> Provisionales{};
    bool ModoEscritura = false;
    std::array<int16_t, 9> Grupo{};
    bool AvisoOriginal = false;
    std::string RutaSonido;
    bool SonidoActivo = false;
    bool ModoGuardar = false;
    int16_t Nivel = 0;
    Dificultad DificultadElegida = Dificultad::PorNivel;   // B: what a new game asks for
    bool AvisoRepetido = false;   // E: a stored digit that repeats says where
    bool SolucionUnica = false;   // U: every new game has exactly one solution
    bool ModoNotas = false;       // L: outside write mode the digit keys note candidates
    bool EscrituraDirecta = false;   // K: outside write and notes mode a digit key writes it
    // The player's notes: bit d - 1 of a cell's mask is the candidate d. Only the
    // operations of Notas.h change them, so the window and the history keep up.
    std::array<uint16_t, 81> Notas{};
    Historial Cambios;            // emptied by every new game, reveal and load
};

struct Rgb {
    uint8_t r, g, b;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb Rojo{255, 0, 0};
inline constexpr Rgb Verde{0, 255, 0};
inline constexpr Rgb Negro{0, 0, 0};
inline constexpr Rgb Blanco{255, 255, 255};

// Text colour of a cell that is not under the cursor: a given stays red even if marked.
inline Rgb ColorNormal(const EstadoJuego& e, int indice)
{
    if (e.Originales[indice]) return Rojo;
    return e.Provisionales[indice] ? Verde : Negro;
}
