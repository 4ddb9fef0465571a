// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>
#include "Casillas.h"

// What a player asks about the board by ear, answered from the cell texts alone.

// The digit a cell counts as: 1..9 when its text is exactly one digit, 0 otherwise.
int16_t DigitoDe(const std::string& texto);

// Empty cells ("-") in the row, column and panel of a cell, and on the whole board.
struct Vacias {
    int16_t fila = 0, columna = 0, panel = 0, tablero = 0;
    bool operator==(const Vacias&) const = default;
};
Vacias ContarVacias(const Casillas& casillas, int16_t indice);

// The digits, in order, that no other cell of the cell's row, column and panel holds.
std::vector<int16_t> Candidatos(const Casillas& casillas, int16_t indice);

// Where the cell's digit also stands in another cell of its row, column or panel.
struct Repeticion {
    bool fila = false, columna = false, panel = false;
    bool Alguna() const { return fila || columna || panel; }
    bool operator==(const Repeticion&) const = default;
};
Repeticion Repetido(const Casillas& casillas, int16_t indice);

// For each digit 1..9, how many times it is still missing: nine minus the cells
// holding it, never below zero. Element 0 is unused.
std::array<int16_t, 10> Faltan(const Casillas& casillas);

// The first empty cell after desde in reading order, wrapping from the last cell
// to the first and ending on desde itself; none when the board has no empty cell.
std::optional<int16_t> SiguienteVacia(const Casillas& casillas, int16_t desde);
