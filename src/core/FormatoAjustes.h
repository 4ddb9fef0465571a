// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// What the player chose with a menu or a switch, kept between runs. The defaults are
// the ones every start had before anything was kept.
struct Ajustes {
    int16_t nivel = 7;              // index in the level menu: the item "8"
    int16_t tamano = 1;             // index in the font-size menu: the item "16"
    int16_t dificultad = 0;         // index in the Dificultad menu: "Por nivel"
    bool lineaOculta = false;       // F8
    bool sonido = true;             // F9
    bool avisoOriginal = false;     // O
    bool avisoRepetido = false;     // E
    bool solucionUnica = false;     // U
    bool modoNotas = false;         // L
    bool escrituraDirecta = false;  // K
    bool lugarAlMoverse = false;    // W
    int16_t sonidos = 0;            // J: a ModoSonidos

    bool operator==(const Ajustes&) const = default;
};

// Anything larger is nobody's settings of ours: the defaults, unread.
inline constexpr std::size_t TamanoMaximoAjustes = 64 * 1024;

// An INI file ("[General]", then key=value lines) that QSettings reads as well.
std::string CodificarAjustes(const Ajustes& ajustes);
// Each value that is missing, unknown or out of range keeps its default; a file that is
// not text at all gives the defaults.
Ajustes DecodificarAjustes(std::string_view bytes);
