// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <string>
#include <vector>
#include "Azar.h"
#include "Casillas.h"
#include "Estado.h"

// The 81 cells as a plain array, recording the order in which digits were written.
struct CasillasPrueba : Casillas {
    explicit CasillasPrueba(EstadoJuego& estado) : e(estado) { textos.fill("-"); }

    EstadoJuego& e;
    std::array<std::string, 81> textos;
    std::array<bool, 81> bloqueadas{};
    std::array<Rgb, 81> colores{};
    std::array<bool, 81> seleccionadas{};
    std::array<uint16_t, 81> notas{};   // as painted
    std::vector<int> escritas;   // cells that received a text other than "-", in order

    std::string Texto(int16_t i) const override { return textos[i]; }
    void PonerTexto(int16_t i, const std::string& t) override
    {
        textos[i] = t;
        if (t != "-") escritas.push_back(i);
    }
    void Bloquear(int16_t i, bool b) override { bloqueadas[i] = b; }
    void PonerColorTexto(int16_t i, Rgb c) override { colores[i] = c; }
    void SeleccionarCasilla(int16_t i, bool s) override
    {
        seleccionadas[i] = s;
        if (!s) colores[i] = ColorNormal(e, i);
    }

    void PintarNotas(int16_t i, uint16_t n) override { notas[i] = n; }

    // A board written as 81 characters, row by row; '-' is an empty cell.
    void Poner(const std::string& tablero)
    {
        for (int i = 0; i < 81; ++i) textos[i] = std::string(1, tablero[i]);
    }
};

// Hands out the same value, or a fixed sequence over and over.
struct FuenteFija : FuenteAzar {
    explicit FuenteFija(std::vector<float> v) : valores(std::move(v)) {}
    std::vector<float> valores;
    size_t siguiente = 0;
    float Sacar() override { return valores[siguiente++ % valores.size()]; }
};

inline std::string FilasDe(const EstadoJuego& e)
{
    std::string s;
    for (const auto& fila : e.Solucion)
        for (int16_t v : fila) s += static_cast<char>('0' + v);
    return s;
}

inline bool TableroValido(const EstadoJuego& e)
{
    for (int g = 0; g < 9; ++g) {
        int fila = 0, columna = 0, panel = 0;
        for (int k = 0; k < 9; ++k) {
            fila |= 1 << e.Solucion[g][k];
            columna |= 1 << e.Solucion[k][g];
            panel |= 1 << e.Solucion[(g / 3) * 3 + k / 3][(g % 3) * 3 + k % 3];
        }
        if (fila != 0x3FE || columna != 0x3FE || panel != 0x3FE) return false;
    }
    return true;
}
