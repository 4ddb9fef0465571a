// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct EstadoJuego;
class Casillas;

// The notes of one cell as they were before a change.
struct NotasAntes {
    int16_t indice = 0;
    uint16_t notas = 0;
    bool operator==(const NotasAntes&) const = default;
};

// What one keystroke changed: the cell's text and mark before it, and the notes it
// took from or gave to any cell.
struct Cambio {
    int16_t indice = 0;
    std::string texto;
    bool provisional = false;
    std::vector<NotasAntes> notas;
    bool operator==(const Cambio&) const = default;
};

// The player's changes to the cells in this game, newest last.
class Historial {
public:
    void Anotar(Cambio cambio) { cambios_.push_back(std::move(cambio)); }
    std::optional<Cambio> Sacar();
    void Olvidar() { cambios_.clear(); }
    size_t Pasos() const { return cambios_.size(); }
    const std::vector<Cambio>& Lista() const { return cambios_; }

private:
    std::vector<Cambio> cambios_;
};

// Gives a cell a new text and provisional mark for the player, remembering the old
// ones. Givens are never changed, and a change that changes nothing is not kept.
// A new text takes the cell's notes away, and a digit takes itself out of the notes
// of its row, column and panel; the same change remembers them.
void CambiarCasilla(EstadoJuego& e, Casillas& casillas, int16_t indice, const std::string& texto, bool provisional);

// Delete: the cell empty, unmarked and without notes.
void BorrarCasilla(EstadoJuego& e, Casillas& casillas, int16_t indice);

// The player typed straight into the cell's field, which already shows the new text:
// kept like any change, and the notes follow it as they follow CambiarCasilla.
void CasillaEditada(EstadoJuego& e, Casillas& casillas, int16_t indice, const std::string& antes);

// Puts back the newest change's cell and notes; returns that cell, or none when
// nothing is left to undo.
std::optional<int16_t> Deshacer(EstadoJuego& e, Casillas& casillas);
