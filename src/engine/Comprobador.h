// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include "Casillas.h"
#include "Estado.h"

// What a cell's text counts as: its leading number, rounded half to even.
// Empty when the number does not fit a 16-bit integer (its group fails).
std::optional<int16_t> ValorCasilla(std::string_view texto);

// True when e.Grupo holds 1..9 once each.
bool ComprobarGrupo(const EstadoJuego& e);

// The words of the checker's messages; a group's number and listing follow the
// first three.
struct TextosComprobador {
    std::string columna, fila, panel, felicidades;
};
// The game's own (Spanish) words. The window passes them translated.
const TextosComprobador& TextosEnEspanol();

// Judges the board by the rules and returns the message for the player.
std::string Comprobar(EstadoJuego& e, const Casillas& casillas,
                      const TextosComprobador& textos = TextosEnEspanol());
