// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

// The names of the game's files, the same for every front end, so each finds what
// another wrote.
inline constexpr std::string_view NombreDelJuego = "novaro";   // the player's folders are called so
inline constexpr std::string_view NombreEnCurso = "NovaroEnCurso.sav";
inline constexpr std::string_view NombrePreparados = "NovaroPreparados.txt";
inline constexpr std::string_view NombreAjustes = "novaro.ini";
inline constexpr std::string_view NombreMarcas = "NovaroDias.txt";   // the days solved, beside the settings
// Slots 1 to 9: "Novaro<n>.sav".
std::string NombreRanura(int n);

// What a program finds beside itself decides where a player's files live, the same for
// every front end, so two front ends side by side always share a player's game.
struct JuntoAlPrograma {
    bool marcaInstalada = false;   // MarcaInstalada: an installer's folder, maybe not writable
    bool sonido = false;           // NombreSonido: a portable copy
    bool datosInstalados = false;  // DatosInstalados: an install tree around the program
};
// True: the slots, the kept game and the ready puzzles stay beside the program (a portable
// copy, the build folder among them); false: in the player's own data folder.
bool PartidasJuntoAlPrograma(const JuntoAlPrograma& junto);

inline constexpr std::string_view NombreSonido = "CambioTablero.wav";
// The installer's mark; a portable copy never carries it.
inline constexpr std::string_view MarcaInstalada = "instalado.txt";
// The install tree's data and library folders, relative to the program's, as the install
// rules lay them out.
inline constexpr std::string_view DatosInstalados = NOVARO_DATOS_INSTALADOS;
inline constexpr std::string_view BibliotecasInstaladas = NOVARO_BIBLIOTECAS_INSTALADAS;

// carpeta + "/" + nombre
std::string RutaEn(std::string_view carpeta, std::string_view nombre);

// Where the installed desktop game keeps a player's files on Linux, from the values of
// the environment ("" for one not set), as Qt's writable locations find them.
// Slots, the kept game and the ready puzzles: $XDG_DATA_HOME/novaro, or
// $HOME/.local/share/novaro.
std::string CarpetaPartidasXdg(std::string_view xdgDataHome, std::string_view home);
// The settings: $XDG_CONFIG_HOME/novaro/novaro.ini, or $HOME/.config/novaro/novaro.ini.
std::string RutaAjustesXdg(std::string_view xdgConfigHome, std::string_view home);

// The home folder as Qt writes it: without doubled slashes, "." and ".." steps and a
// final slash; "/" when it is not set.
std::string LimpiarCarpeta(std::string_view ruta);
