// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

enum class Calificacion : uint8_t;

// What a new game asks of the player: the designed deal by the level's count of
// givens, or a puzzle whose hardest step is of a chosen kind, in the menu's order.
enum class Dificultad : uint8_t {
    PorNivel,
    Sencillo,     // singles only
    Intermedio,   // a digit held to a line or a panel
    Avanzado,     // pairs and triples
    Experto,      // fish and wings
    Maestro,      // what the hint knows past the wings
};
inline constexpr int Dificultades = static_cast<int>(Dificultad::Maestro) + 1;

// The kind a grade belongs to; PorNivel for a puzzle reasoning does not finish.
Dificultad DificultadDe(Calificacion calificacion);
// The hardest grade of a kind.
Calificacion TechoDe(Dificultad dificultad);
