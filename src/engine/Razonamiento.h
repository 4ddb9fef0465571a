// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
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

// The eliminations, simplest first: the hint tries them in this order, and a
// puzzle's grade is the last of them it needs.
enum class TipoEliminacion : uint8_t {
    EnUnaLinea,    // within a panel the digit can only go in one line: not elsewhere on that line
    EnUnPanel,     // within a line the digit can only go in one panel: not elsewhere in that panel
    Pareja,        // two cells of a group hold the same two candidates: no other cell there takes them
    ParejaOculta,  // two digits of a group fit only two cells: those cells take nothing else
    Trio,          // three cells of a group hold only three digits between them
    TrioOculto,    // three digits of a group fit only three cells
    AlaX,          // in two lines a digit fits only in the same two crossing lines
    PezEspada,     // the same with three lines
    AlaXY,         // a cell of two digits, each of which makes one of two cells the third digit
    AlaXYZ,        // the same from a cell of three digits, which may be the third digit itself
};
inline constexpr int TiposDeEliminacion = static_cast<int>(TipoEliminacion::AlaXYZ) + 1;

// One candidate: a digit a cell could still take.
struct Candidato {
    int8_t celda = 0;
    int8_t digito = 0;
    bool operator==(const Candidato&) const = default;
};

struct Eliminacion {
    TipoEliminacion tipo = TipoEliminacion::EnUnaLinea;
    // The panel (EnUnaLinea), the line (EnUnPanel), the group of a pair or triple.
    Grupo donde;
    // The line (EnUnaLinea) or the panel (EnUnPanel) the digit is held to.
    Grupo hacia;
    // The digit held (EnUnaLinea, EnUnPanel, the fish); the wings: the digit ruled out.
    int8_t digito = 0;
    // How many cells and digits (pairs, triples) or lines (fish) it joins: 2 or 3.
    int8_t cuantos = 0;
    // Pairs and triples: their cells in the group's order. Wings: the cell the
    // digits come from, then the two cells it makes the digit.
    std::array<int8_t, 3> celdas{};
    // Pairs and triples: their digits, ascending. Wings: the digits of the first
    // cell that make the second and the third cell the ruled-out digit.
    std::array<int8_t, 3> digitos{};
    // The fish: the lines where the digit is held, then the lines it is held to.
    std::array<Grupo, 3> lineas{};
    std::array<Grupo, 3> cubiertas{};
    // What it rules out on the board it was found on.
    std::vector<Candidato> quitados;
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

// The first elimination, simplest kind first, that takes a candidate away; its
// quitados say which. None when no technique takes anything.
std::optional<Eliminacion> BuscarEliminacion(const Mascaras& candidatos);

// What the elimination rules out on these candidates, into quitados; false when
// its premise no longer holds there.
bool Consecuencias(const Mascaras& candidatos, const Eliminacion& e, std::vector<Candidato>& quitados);

// The simplest step on the board: a cell where one digit fits, then a digit with one
// place in a row, a column or a panel; only when there is none, the fewest
// eliminations that unlock one. Among steps of one kind, the first cell from desde
// in reading order wins. None when these techniques find nothing. Expects a board
// that keeps the rules.
std::optional<Paso> SiguientePaso(const Digitos& tablero, int16_t desde = 0);
