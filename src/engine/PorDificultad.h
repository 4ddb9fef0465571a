// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <atomic>
#include "Azar.h"
#include "Contador.h"
#include "Dificultad.h"

struct SudokuHecho {
    Digitos dados{};
    Digitos solucion{};
    int intentos = 0;   // boards carved before this one was of the kind asked for
    bool exacto = false;   // of the kind asked for: false only when the search was stopped or gave up
};

// A puzzle of one solution whose grade is of that kind (not PorNivel). Carved no
// further than the kind allows: a given that would make it harder stays. A
// solved board whose carving ends easier is drawn again; parar, when it turns
// true, ends the search early with whatever the last carving gave.
SudokuHecho HacerSudoku(Dificultad dificultad, FuenteAzar& azar, const std::atomic<bool>* parar = nullptr);
