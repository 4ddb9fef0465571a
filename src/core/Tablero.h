// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <string>
#include "Casillas.h"

// The board as plain data, for a front end with no cell fields of its own: what the
// window keeps in its 81 text boxes, kept here instead.
class Tablero : public Casillas {
public:
    Tablero() { textos_.fill("-"); }

    std::string Texto(int16_t indice) const override { return textos_[static_cast<size_t>(indice)]; }
    void PonerTexto(int16_t indice, const std::string& texto) override { textos_[static_cast<size_t>(indice)] = texto; }
    void Bloquear(int16_t indice, bool bloqueada) override { bloqueadas_[static_cast<size_t>(indice)] = bloqueada; }
    void PonerColorTexto(int16_t indice, Rgb color) override { colores_[static_cast<size_t>(indice)] = color; }
    void SeleccionarCasilla(int16_t indice, bool seleccionada) override
    {
        seleccionadas_[static_cast<size_t>(indice)] = seleccionada;
    }
    void PintarNotas(int16_t indice, uint16_t notas) override { notas_[static_cast<size_t>(indice)] = notas; }

    bool Bloqueada(int indice) const { return bloqueadas_[static_cast<size_t>(indice)]; }
    bool Seleccionada(int indice) const { return seleccionadas_[static_cast<size_t>(indice)]; }
    Rgb Color(int indice) const { return colores_[static_cast<size_t>(indice)]; }
    uint16_t Notas(int indice) const { return notas_[static_cast<size_t>(indice)]; }

private:
    std::array<std::string, 81> textos_;
    std::array<bool, 81> bloqueadas_{};
    std::array<bool, 81> seleccionadas_{};
    std::array<Rgb, 81> colores_{};
    std::array<uint16_t, 81> notas_{};
};
