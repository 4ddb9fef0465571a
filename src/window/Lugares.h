// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Carpetas.h"
#include <QString>

// Where the game's files live. A portable copy (the build folder, or any folder
// holding the program with its sound beside it) keeps everything beside the
// program. An installed copy finds its data and its private library through the
// install tree's layout, relative to the program, and keeps each player's slots
// in that player's own data folder. An installer that puts everything in one
// folder where players cannot write (Program Files) leaves a mark beside the
// program: the files stay there, the slots go to the player's folder.
struct Lugares {
    QString datos;        // CambioTablero.wav
    QString bibliotecas;  // the sound library
    QString partidas;     // Novaro1.sav to Novaro9.sav
};

// Everything in one folder, as in a portable copy.
Lugares LugaresPortatiles(const QString& carpeta);

// The rule (the core's, which every front end follows), for the window: programa is the
// folder that holds the program, jugador the player's own data folder.
Lugares LugaresDe(const QString& programa, const QString& jugador);

// For the running program; needs the application object.
Lugares LugaresDelPrograma();
