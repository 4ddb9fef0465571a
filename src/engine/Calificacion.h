// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include "Contador.h"
#include "Estado.h"
#include "Razonamiento.h"

// How hard a puzzle is: the hardest technique the hint needs to finish it from its
// givens, or why reasoning alone cannot finish it. Harder grades come later.
enum class Calificacion : uint8_t {
    Sencillos,          // a digit that alone fits a cell, a digit with one place in a group
    EnUnaLinea,         // from here to CadenaAnidada, as TipoEliminacion
    EnUnPanel,
    Pareja,
    ParejaOculta,
    Trio,
    TrioOculto,
    AlaX,
    PezEspada,
    AlaXY,
    AlaXYZ,
    Rascacielos,
    Cometa,
    CadenaX,
    ColoreadoSimple,
    RectanguloUnico1,
    RectanguloUnico2,
    RectanguloUnico4,
    BugMasUno,
    ParesRemotos,
    AlaW,
    CadenaXY,
    ConjuntoCasiBloqueado,
    CadenaAlterna,
    CadenaForzada,
    CadenaDeCelda,
    CadenaDeGrupo,
    CadenaAnidada,
    Probando,           // one solution, but reasoning stops short of it: a guess is needed
    VariasSoluciones,   // more than one solution
    SinSolucion,        // no solution, or givens that break the rules
};

constexpr Calificacion CalificacionDe(TipoEliminacion t) { return static_cast<Calificacion>(static_cast<int>(t) + 1); }
static_assert(static_cast<int>(Calificacion::CadenaAnidada) == TiposDeEliminacion, "one grade for every elimination");
static_assert(CalificacionDe(TipoEliminacion::Rascacielos) == Calificacion::Rascacielos, "grades in the order of the eliminations");

// The grade of the puzzle these givens (digits 1..9, 0 for an empty cell) make.
// Counts the solutions first: only with exactly one may the reasoning lean on it.
// Once parar (when given) is raised from another thread it ends soon, and what it
// says then means nothing.
Calificacion Calificar(const Digitos& dados, const std::atomic<bool>* parar = nullptr);
// The same for givens known to have one solution, looking no further than techo:
// Probando when the puzzle needs more. Never asks the counter.
Calificacion CalificarUnica(const Digitos& dados, Calificacion techo);

// The puzzle's givens: the solution's digit in every given cell.
Digitos DadosDe(const EstadoJuego& e);

// Whether the hint's techniques alone fill the board from these givens. Never asks
// the counter. Without unica, the techniques that need one solution stay out, and
// a board they fill has exactly one; with it, the caller vouches for that.
bool SeResuelveRazonando(const Digitos& dados, bool unica = false);
