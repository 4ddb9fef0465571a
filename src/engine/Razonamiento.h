// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <atomic>
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
    Rascacielos,   // two lines where a digit fits twice, one end of each in a crossing line
    Cometa,        // the same with a row and a column whose ends meet in a panel
    CadenaX,       // places of one digit linked alternately: one of the chain's two ends holds it
    ColoreadoSimple,  // the places of a digit two by two in two colours: one colour holds it
    RectanguloUnico1,  // four cells that could swap two digits: one solution forbids it
    RectanguloUnico2,
    RectanguloUnico4,
    BugMasUno,     // every cell but one has two digits: that one takes the digit that breaks the tie
    ParesRemotos,  // cells of the same two digits, each seeing the next: they alternate
    AlaW,          // two cells of the same two digits joined by the only two places of one of them
    CadenaXY,      // cells of two digits, each making the next one's digit
    ConjuntoCasiBloqueado,  // two sets of n cells and n + 1 digits that cannot both hold a digit they share
    CadenaAlterna, // a chain of any links, places of a digit in a line within a panel as one
    CadenaForzada, // a digit that leads, one single after another, to a cell or group left empty
    CadenaDeCelda, // every digit of one cell leads by singles to the same candidate gone
    CadenaDeGrupo, // every place of a digit in one group leads by singles to the same candidate gone
    CadenaAnidada, // a digit that leads to an empty cell or group, by singles and forcing chains
};
inline constexpr int TiposDeEliminacion = static_cast<int>(TipoEliminacion::CadenaAnidada) + 1;
// The kinds whose proof is a chain of links, which the hint reads out a few at a time.
constexpr bool EsCadena(TipoEliminacion t)
{
    switch (t) {
    case TipoEliminacion::Rascacielos:
    case TipoEliminacion::Cometa:
    case TipoEliminacion::CadenaX:
    case TipoEliminacion::ParesRemotos:
    case TipoEliminacion::AlaW:
    case TipoEliminacion::CadenaXY:
    case TipoEliminacion::CadenaAlterna:
    case TipoEliminacion::CadenaForzada:
    case TipoEliminacion::CadenaDeCelda:
    case TipoEliminacion::CadenaDeGrupo:
    case TipoEliminacion::CadenaAnidada: return true;
    default: return false;
    }
}

// The first that holds only when the board has one solution, and the last.
inline constexpr TipoEliminacion PrimeraDeUnicidad = TipoEliminacion::RectanguloUnico1;
inline constexpr TipoEliminacion UltimaDeUnicidad = TipoEliminacion::BugMasUno;

// One candidate: a digit a cell could still take.
struct Candidato {
    int8_t celda = 0;
    int8_t digito = 0;
    bool operator==(const Candidato&) const = default;
};

// Why a link of a forcing chain follows from the ones before.
enum class Motivo : uint8_t {
    Supuesto,      // the digit the chain starts from
    SoloCabe,      // the only digit left in the cell
    SoloUnLugar,   // the only place left for the digit in the group
    SinDigito,     // the end: the cell has no digit left
    SinLugar,      // the end: the digit has no place left in the group
    PorCadena,     // nested chains: a forcing chain of its own rules the digit out of the cell
};

// One node of a chain: a digit in one cell, or in the 2 or 3 cells of a line within
// a panel (the digit is in one of them); the chain makes it the digit or not.
// ALS-XZ: one of its sets, up to three cells of a group.
struct Eslabon {
    std::array<int8_t, 3> celdas{};
    int8_t cuantas = 1;
    int8_t digito = 0;
    bool es = true;
    Motivo motivo = Motivo::Supuesto;   // forcing chains
    Grupo grupo;                        // SoloUnLugar, SinLugar; ALS-XZ, the set's group
    uint16_t digitos = 0;               // ALS-XZ: the set's digits, bit d-1 for d
    int16_t interna = -1;               // PorCadena: its chain in the elimination's internas
    bool operator==(const Eslabon&) const = default;
};

struct Eliminacion {
    TipoEliminacion tipo = TipoEliminacion::EnUnaLinea;
    // The panel (EnUnaLinea), the line (EnUnPanel), the group of a pair or triple;
    // unique rectangle type 4: the group where the digit is held to two corners.
    Grupo donde;
    // The line (EnUnaLinea) or the panel (EnUnPanel) the digit is held to.
    Grupo hacia;
    // The digit held (EnUnaLinea, EnUnPanel, the fish); the wings and ALS-XZ: the
    // digit ruled out; the chains and colouring: the first node's; forcing chains:
    // the digit supposed; unique rectangles: type 2's extra digit, type 4's held
    // digit; BUG+1: the digit its cell takes.
    int8_t digito = 0;
    // How many cells and digits (pairs, triples) or lines (fish) it joins: 2 or 3.
    int8_t cuantos = 0;
    // Pairs and triples: their cells in the group's order. Wings: the cell the
    // digits come from, then the two cells it makes the digit. BUG+1: its cell.
    std::array<int8_t, 3> celdas{};
    // Pairs and triples: their digits, ascending. Wings: the digits of the first
    // cell that make the second and the third cell the ruled-out digit. Unique
    // rectangles: the two digits the corners could swap.
    std::array<int8_t, 3> digitos{};
    // The fish: the lines where the digit is held, then the lines it is held to.
    std::array<Grupo, 3> lineas{};
    std::array<Grupo, 3> cubiertas{};
    // The chains: their nodes in order, links alternately strong (if one is not, the
    // next is) and weak (if one is, the next is not). Colouring: its links two by two,
    // es telling the colour. The rectangles: the four corners. Forcing chains: the
    // digit supposed, then each single it forces, then the cell or group left empty.
    // ALS-XZ: the two sets, each with its group and the digit they cannot share.
    // Forcing chains of a cell or a group: one such chain for each digit or place
    // tried, one after another, each ending with the link that takes conclusion
    // away or with a cell or group left empty. Nested chains: as a forcing chain,
    // where a PorCadena link rules a digit out by a chain of internas.
    std::vector<Eslabon> cadena;
    // Nested chains: the forcing chains their PorCadena links rest on, each under
    // the supposition and the links before it.
    std::vector<std::vector<Eslabon>> internas;
    // Forcing chains of a cell or a group: what every digit or place tried rules out.
    // Their cell is celdas[0]; their group and digit, donde and digito.
    Candidato conclusion;
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
// quitados say which. None when no technique takes anything. unica: the board is
// known to have exactly one solution, which the rectangles and BUG+1 need.
// Only kinds before hasta are tried.
// The search ends soon, with none, once parar (when given) is raised from another thread.
std::optional<Eliminacion> BuscarEliminacion(const Mascaras& candidatos, bool unica = false,
                                             int hasta = TiposDeEliminacion, const std::atomic<bool>* parar = nullptr);

// What the elimination rules out on these candidates, into quitados; false when
// its premise no longer holds there.
bool Consecuencias(const Mascaras& candidatos, const Eliminacion& e, std::vector<Candidato>& quitados);

// The simplest step on the board: a cell where one digit fits, then a digit with one
// place in a row, a column or a panel; only when there is none, the fewest
// eliminations that unlock one. Among steps of one kind, the first cell from desde
// in reading order wins. None when these techniques find nothing. Expects a board
// that keeps the rules. unica and parar as for BuscarEliminacion.
std::optional<Paso> SiguientePaso(const Digitos& tablero, int16_t desde = 0, bool unica = false,
                                  const std::atomic<bool>* parar = nullptr);
