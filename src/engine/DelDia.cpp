// SPDX-License-Identifier: GPL-3.0-or-later
#include "DelDia.h"

namespace {

// Keeps the day's seeds apart from any small seed a test or a front end might use.
constexpr uint64_t SalDelDia = 0x4E4F5641524F4449ull;   // "NOVARODI"

} // namespace

Dificultad DificultadDelDia(const Fecha& fecha)
{
    constexpr Dificultad semana[7] = {
        Dificultad::Sencillo, Dificultad::Intermedio, Dificultad::Intermedio, Dificultad::Avanzado,
        Dificultad::Avanzado, Dificultad::Experto,    Dificultad::Maestro,
    };
    return semana[DiaDeLaSemana(fecha)];
}

uint64_t SemillaDelDia(const Fecha& fecha)
{
    return static_cast<uint64_t>(DiasDesdeEpoca(fecha)) ^ SalDelDia;
}

SudokuHecho SudokuDelDia(const Fecha& fecha)
{
    Aleatorio azar(SemillaDelDia(fecha));
    return HacerSudoku(DificultadDelDia(fecha), azar);
}
