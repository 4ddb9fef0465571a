// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>
#include "Estado.h"

// The 81 cell fields as the engine sees them. The window implements this with
// its text boxes; tests with a plain array. Texts are UTF-8.
class Casillas {
public:
    virtual ~Casillas() = default;
    virtual std::string Texto(int16_t indice) const = 0;
    virtual void PonerTexto(int16_t indice, const std::string& texto) = 0;
    virtual void Bloquear(int16_t indice, bool bloqueada) = 0;
    virtual void PonerColorTexto(int16_t indice, Rgb color) = 0;
    virtual void SeleccionarCasilla(int16_t indice, bool seleccionada) = 0;
    // Shows a cell's notes (nine-bit mask); cells that cannot show them ignore it.
    virtual void PintarNotas(int16_t /*indice*/, uint16_t /*notas*/) {}
    // Around a change of many cells at once (a new board, every cell's notes): a view
    // may hold its per-cell announcements back meanwhile.
    virtual void EmpezarTableroEntero() {}
    virtual void TerminarTableroEntero() {}
};
