// SPDX-License-Identifier: GPL-3.0-or-later
// What the buttons and the Botonera do to the game, and what the player hears of it.
#include "Comprobador.h"
#include "Frases.h"
#include "Juego.h"
#include "Palabras.h"
#include "Partida.h"
#include "Revelar.h"
#include <algorithm>

Resultado Juego::Comprobar()
{
    Resultado r;
    r.mensaje = ::Comprobar(e_, casillas_, Frases::TextosDelComprobador());
    return r;
}

// The board changed under a player who may not see it: say so (the message line stays as it was).
Resultado Juego::NuevoPorNivel(FuenteAzar& azar)
{
    NuevaPartida(e_, casillas_, azar);
    Abrir();
    EmpezarCuenta();
    Resultado r;
    r.dicho = Traducir("Form1", "Nuevo juego");
    return r;
}

Resultado Juego::EmpezarHecho(const SudokuHecho& hecho, Dificultad dificultad)
{
    casillas_.EmpezarTableroEntero();
    EmpezarPartida(e_, casillas_, hecho.dados, hecho.solucion);
    casillas_.TerminarTableroEntero();
    Abrir();
    EmpezarCuenta();
    const auto dados = static_cast<int>(std::count_if(hecho.dados.begin(), hecho.dados.end(), [](int8_t d) { return d != 0; }));
    Resultado r;
    r.dicho = Frases::SudokuDeDificultad(dificultad, dados);
    return r;
}

void Juego::EmpezarLeido(const SudokuLeido& leido)
{
    EmpezarPartida(e_, casillas_, leido.dados, leido.solucion);
    Abrir();
    EmpezarCuenta();
}

// Checking and saving stay barred until another game starts: the board is no longer the player's.
Resultado Juego::VerSolucion()
{
    ::VerSolucion(e_, casillas_);
    puedeComprobar_ = puedeGuardar_ = false;
    DetenerCuenta();
    dia_.reset();   // a day's sudoku shown solved was not solved by the player
    Resultado r;
    r.dicho = Traducir("Form1", "Solución en el tablero");
    return r;
}

Resultado Juego::GuardarNoPermitido()
{
    Resultado r;
    r.mensaje = Traducir("Form1", "No se puede guardar la partida después de ver la solución. "
                   "Podrá guardar de nuevo cuando empiece un juego nuevo o cargue una partida.");
    return r;
}
