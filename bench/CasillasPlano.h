// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <string>
#include "Casillas.h"
#include "Estado.h"

// The 81 cells as a bare array: the engine's own cost, with nothing recorded.
struct CasillasPlano : Casillas {
    std::array<std::string, 81> textos;
    std::array<bool, 81> bloqueadas{};
    std::array<Rgb, 81> colores{};
    std::array<bool, 81> seleccionadas{};

    CasillasPlano() { textos.fill("-"); }

    std::string Texto(int16_t i) const override { return textos[i]; }
    void PonerTexto(int16_t i, const std::string& t) override { textos[i] = t; }
    void Bloquear(int16_t i, bool b) override { bloqueadas[i] = b; }
    void PonerColorTexto(int16_t i, Rgb c) override { colores[i] = c; }
    void SeleccionarCasilla(int16_t i, bool s) override { seleccionadas[i] = s; }
};
