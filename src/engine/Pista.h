// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <vector>
#include "Casillas.h"
#include "Estado.h"
#include "Razonamiento.h"

enum class TipoPista : uint8_t {
    Paso,               // a step found by reasoning
    Probando,           // one solution, no reasoning step: every other digit that fits the cell leaves none
    SinSolucion,        // the board as the player left it has no solution
    VariasSoluciones,   // more than one solution and no reasoning step
    Terminado,          // full and right: nothing left to do
};

struct Pista {
    TipoPista tipo = TipoPista::Terminado;
    Paso paso;                    // Paso, Probando: the cell and its digit
    std::vector<int16_t> otros;   // Probando: the other digits that fit there
    int16_t celda = -1;           // SinSolucion: the player's digit to take away (-1: none helps);
                                  // VariasSoluciones: the cell with the fewest candidates
    int16_t digito = 0;           // SinSolucion: the digit in that cell
    bool yDespues = false;        // SinSolucion: together with every digit written after it
    int16_t caben = 0;            // VariasSoluciones: how many digits fit that cell

    // Where the cursor goes for this hint; -1 when it stays.
    int16_t Destino() const;
};

// The board as its cells read: a cell counts as its digit when it holds exactly one.
Digitos DigitosDe(const Casillas& casillas);

// The hint for the board as the player left it, searched from the cursor. Never
// changes the board. Once parar (when given) is raised from another thread it ends
// soon, and the hint it gives then means nothing.
Pista CalcularPista(const EstadoJuego& e, const Casillas& casillas, const std::atomic<bool>* parar = nullptr);
