// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct EstadoJuego;
class Casillas;

// What a cell held before the player changed it.
struct Cambio {
    int16_t indice = 0;
    std::string texto;
    bool provisional = false;
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
void CambiarCasilla(EstadoJuego& e, Casillas& casillas, int16_t indice, const std::string& texto, bool provisional);

// Puts back the newest change's cell; returns that cell, or none when nothing is left to undo.
std::optional<int16_t> Deshacer(EstadoJuego& e, Casillas& casillas);
