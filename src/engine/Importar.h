// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string_view>
#include "Contador.h"
#include "Razonamiento.h"

// A puzzle from outside, read from any text that shows one: the digits 1 to 9 are
// givens, 0 and '.' empty cells, and every other character is ignored, so one line
// of 81, nine lines of nine and framed grids all read alike.

enum class Rechazo : uint8_t {
    Ninguno,            // taken: it has exactly one solution
    Casillas,           // the text does not hold 81 cells
    Repetido,           // two givens of one digit in a group
    SinSolucion,
    VariasSoluciones,
    Inabarcable,        // the count gave up before it knew
};

// Counting stops at the first cell past a board, so a huge text is answered at once.
inline constexpr int CasillasDeMas = 82;

struct SudokuLeido {
    Rechazo rechazo = Rechazo::Ninguno;
    int casillas = 0;     // cells found; CasillasDeMas means more than 81
    int8_t digito = 0;    // Repetido: the digit, and the first group where it repeats
    Grupo grupo;
    Digitos dados{};      // the givens, 0 for an empty cell
    Digitos solucion{};   // Ninguno: the one solution

    int Dados() const;
};

SudokuLeido LeerSudoku(std::string_view texto);
