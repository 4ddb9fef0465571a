// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include "Fecha.h"
#include "FormatoPartida.h"

// The game in play, kept beside the slots after every change so that closing the
// window, a killed program or a power cut never loses it. The file is a first line
// naming the format and its version, a line with the cursor cell, then the game
// exactly as a slot holds it. Between the cursor and the game, lines a file of an
// earlier version lacks: the time played, the hints taken, and the day when the game is
// that day's sudoku.
struct PartidaEnCurso {
    RegistroPartida registro;
    int16_t cursor = 0;   // cell index, row-major
    int64_t milisegundos = 0;   // played so far
    int pistas = 0;
    std::optional<Fecha> dia;
    bool operator==(const PartidaEnCurso&) const = default;
};

// The header and the cursor line, beside the largest slot there is.
inline constexpr std::size_t TamanoMaximoEnCurso = TamanoMaximoRanura + 128;

std::string CodificarEnCurso(const PartidaEnCurso& partida);

enum class EstadoEnCurso {
    Ninguna,     // nothing kept, or a game not worth bringing back (finished, revealed)
    Recuperada,
    Danada,      // damaged, cut, foreign, too large or of another version
};

struct LecturaEnCurso {
    EstadoEnCurso estado = EstadoEnCurso::Ninguna;
    PartidaEnCurso partida;   // only meaningful when Recuperada
};

LecturaEnCurso DecodificarEnCurso(std::string_view bytes);

// Every cell holds its solution's digit: a game won or revealed.
bool Terminada(const RegistroPartida& registro);
