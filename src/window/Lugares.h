// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
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

// The rule itself: programa is the folder that holds the program, jugador the
// player's own data folder, used only by an installed copy.
Lugares LugaresDe(const QString& programa, const QString& jugador);

// For the running program; needs the application object.
Lugares LugaresDelPrograma();

// The installer's mark; a portable copy never carries it.
inline constexpr const char* MarcaInstalada = "instalado.txt";

// Beside the program in an install tree, as the install rules lay it out.
inline constexpr const char* DatosInstalados = NOVARO_DATOS_INSTALADOS;
inline constexpr const char* BibliotecasInstaladas = NOVARO_BIBLIOTECAS_INSTALADAS;
