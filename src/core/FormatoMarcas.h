// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include "Dificultad.h"
#include "Fecha.h"

// The record of the sudokus of the day a player has solved, kept beside the settings.
struct Marcas {
    int resueltos = 0;       // days whose sudoku was solved
    int racha = 0;           // consecutive days solved up to ultimo
    int mejorRacha = 0;
    std::optional<Fecha> ultimo;   // the latest day solved; none before the first
    int64_t segundosUltimo = 0;    // what the last one took, for sharing it
    int pistasUltimo = 0;
    // Seconds per kind, Sencillo to Maestro; 0 for a kind never solved.
    std::array<int64_t, Dificultades - 1> mejores{};
    bool operator==(const Marcas&) const = default;
};

inline constexpr std::size_t TamanoMaximoMarcas = 1024;

std::string CodificarMarcas(const Marcas& marcas);
// None when the bytes are not a whole record of this game: damaged, cut or foreign.
std::optional<Marcas> DecodificarMarcas(std::string_view bytes);

// The day's sudoku of dia solved in segundos with pistas hints. The streak counts
// calendar days, whenever in the day the sudoku was finished: a day's sudoku finished
// after midnight still counts for its own day.
Marcas AnotarResuelto(Marcas marcas, const Fecha& dia, Dificultad dificultad, int64_t segundos, int pistas);
// The streak as it stands today: kept while the last day solved is today or yesterday.
int RachaVigente(const Marcas& marcas, const Fecha& hoy);
// The best time of a kind, if it was ever solved.
std::optional<int64_t> MejorTiempo(const Marcas& marcas, Dificultad dificultad);
