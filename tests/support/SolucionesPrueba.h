// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>

// A solver of the tests' own: plain backtracking on the cell with the fewest
// fitting digits, checked against row, column and panel, with no propagation, so
// it shares nothing with the engine's counter or its reasoning.

inline bool Cabe(const std::array<int, 81>& t, int i, int d)
{
    for (int k = 0; k < 9; ++k) {
        const int panel = (i / 27 * 3 + k / 3) * 9 + i % 9 / 3 * 3 + k % 3;
        if (t[i / 9 * 9 + k] == d || t[k * 9 + i % 9] == d || t[panel] == d) return false;
    }
    return true;
}

// Solutions of the board, up to hasta.
inline int Soluciones(std::array<int, 81>& t, int hasta = 2)
{
    int mejor = -1, menos = 10;
    for (int i = 0; i < 81 && menos > 0; ++i) {
        if (t[i]) continue;
        int caben = 0;
        for (int d = 1; d <= 9; ++d) caben += Cabe(t, i, d);
        if (caben < menos) {
            menos = caben;
            mejor = i;
        }
    }
    if (mejor < 0) return 1;
    int halladas = 0;
    for (int d = 1; d <= 9 && halladas < hasta; ++d)
        if (Cabe(t, mejor, d)) {
            t[mejor] = d;
            halladas += Soluciones(t, hasta - halladas);
            t[mejor] = 0;
        }
    return halladas;
}
