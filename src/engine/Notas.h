// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <vector>
#include "Casillas.h"
#include "Estado.h"
#include "Historial.h"

// The candidates a player notes in a cell, kept apart from its text: nothing that
// reads the board (checker, reveal, hint, N) ever looks at them.

inline constexpr uint16_t TodasLasNotas = 0x1FF;
inline constexpr uint16_t BitNota(int16_t digito) { return static_cast<uint16_t>(1u << (digito - 1)); }

// The digits of a mask, in order.
std::vector<int16_t> DigitosNotados(uint16_t notas);

// Only a cell the player has not filled takes notes: not a given, and its text
// "-" or nothing at all, blanks aside.
bool AdmiteNotas(const EstadoJuego& e, const Casillas& casillas, int16_t indice);

// Sets a cell's notes and shows them; `antes` remembers the old ones when they change.
void PonerNotas(EstadoJuego& e, Casillas& casillas, int16_t indice, uint16_t notas);
void PonerNotas(EstadoJuego& e, Casillas& casillas, int16_t indice, uint16_t notas, std::vector<NotasAntes>& antes);

// A new game, a reveal, a load: no cell keeps a note.
void OlvidarNotas(EstadoJuego& e, Casillas& casillas);

// A text written into a cell clears its notes, and a digit (1..9, 0 for none) leaves
// the notes of the cell's row, column and panel.
void QuitarNotasAlEscribir(EstadoJuego& e, Casillas& casillas, int16_t indice, int16_t digito,
                           std::vector<NotasAntes>& antes);

enum class ResultadoNota : uint8_t { Puesta, Quitada, EnOriginal, EnEscrita };

// A digit key in notes mode: the digit noted in the cell, or taken away when it was
// there, as one change of the history. A given or a filled cell refuses it.
ResultadoNota CambiarNota(EstadoJuego& e, Casillas& casillas, int16_t indice, int16_t digito);

// Every cell that takes notes gets the digits that fit it by the board (N's answer),
// in place of its notes, as one change of the history made at `desde`. Returns how
// many cells hold notes now.
int16_t LlenarNotas(EstadoJuego& e, Casillas& casillas, int16_t desde);
