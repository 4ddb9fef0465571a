// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

inline int16_t FilaDe(const int16_t& indice) { return static_cast<int16_t>(indice / 9); }
inline int16_t ColumnaDe(const int16_t& indice) { return static_cast<int16_t>(indice % 9); }

inline void Intercambiar(int16_t& a, int16_t& b)
{
    int16_t t = a;
    a = b;
    b = t;
}

// Panels in reading order, 0 top left to 8 bottom right: band × 3 + stack.
inline int16_t PanelDe(const int16_t& indice) { return static_cast<int16_t>(indice / 27 * 3 + indice % 9 / 3); }
