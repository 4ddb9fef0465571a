// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>
#include "Palabras.h"

// The pieces every utterance of the quick keys is built from: numbers, lists, panels.
namespace FrasesPiezas {

using Piezas = std::vector<std::string>;

// For texts kept in tables, marked there with QT_TRANSLATE_NOOP.
std::string Tr(const char* texto);
std::string N(int numero);
// At most `cuantas` pieces from `desde` on; none when `desde` is past the end.
Piezas Tramo(const Piezas& piezas, size_t desde, size_t cuantas = SIZE_MAX);
void Anadir(Piezas& piezas, const Piezas& mas);
std::string Unir(const Piezas& piezas, std::string_view entre);
// "a", "a y b", "a, b y c"; or with another last joint ("a o b").
std::string Enumerar(const Piezas& piezas, const std::string& ultima = Traducir("Frases", " y "));
// Panels have no number: the player knows them by their place.
std::string Panel(int numero);

} // namespace FrasesPiezas
