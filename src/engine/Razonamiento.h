// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <vector>
#include "Contador.h"

// How a person solving by reasoning would find the next digit, as data.

enum class TipoGrupo : uint8_t { Fila, Columna, Panel };

struct Grupo {
    TipoGrupo tipo = TipoGrupo::Fila;
    int8_t numero = 0;   // 0..8; panels in reading order
    bool operator==(const Grupo&) const = default;
};

enum class Tecnica : uint8_t {
    SoloCabe,      // one digit fits the cell
    SoloUnLugar,   // the digit has one place left in the group
};

enum class TipoEliminacion : uint8_t {
    EnUnaLinea,    // within a panel the digit can only go in one line: not elsewhere on that line
    EnUnPanel,     // within a line the digit can only go in one panel: not elsewhere in that panel
    Pareja,        // two cells of a group hold the same two candidates: no other cell there takes them
};

struct Eliminacion {
    TipoEliminacion tipo = TipoEliminacion::EnUnaLinea;
    Grupo donde;               // the panel (EnUnaLinea), the line (EnUnPanel), the group (Pareja)
    Grupo hacia;               // the line (EnUnaLinea) or the panel (EnUnPanel) the digit is held to
    int8_t digito = 0;         // EnUnaLinea, EnUnPanel
    int8_t celdas[2] = {};     // Pareja
    int8_t digitos[2] = {};    // Pareja, in ascending order
    bool operator==(const Eliminacion&) const = default;
};

struct Paso {
    int16_t celda = 0;
    int16_t digito = 0;
    Tecnica tecnica = Tecnica::SoloCabe;
    Grupo grupo;                        // SoloUnLugar
    std::vector<Eliminacion> porque;    // the eliminations it needs, in the order they are made
    bool operator==(const Paso&) const = default;
};

// Bit d-1 set for every digit d that no other cell of the cell's row, column and
// panel holds; 0 for a filled cell.
using Mascaras = std::array<uint16_t, 81>;
Mascaras MascarasDe(const Digitos& tablero);

// The simplest step on the board: a cell where one digit fits, then a digit with one
// place in a row, a column or a panel; only when there is none, the fewest
// eliminations that unlock one. Among steps of one kind, the first cell from desde
// in reading order wins. None when these techniques find nothing. Expects a board
// that keeps the rules.
std::optional<Paso> SiguientePaso(const Digitos& tablero, int16_t desde = 0);
