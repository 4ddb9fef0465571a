// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What must hold after any keystroke on the core, whatever came before: the key storm
// and the fuzzer both ask it. Returns what went wrong, or nothing.
#include "FormatoPartida.h"
#include "Juego.h"
#include "Notas.h"
#include "Tablero.h"
#include "Teclas.h"
#include <array>
#include <string>

// The keys a player can give the key detector, and some it does not know.
inline constexpr int TeclasDelNucleo[] = {
    VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_HOME, VK_END, VK_PRIOR, VK_NEXT, VK_A, VK_DELETE, VK_BACK,
    VK_C, VK_F, VK_T, VK_P, VK_V, VK_O, VK_CONTROL, VK_F8, VK_F9, VK_APPS, VK_D, VK_Q, VK_N, VK_S, VK_Z,
    VK_R, VK_E, VK_U, VK_G, VK_I, VK_X, VK_L, VK_M, VK_K, VK_B, VK_RETURN, VK_SPACE, VK_ESCAPE, VK_TAB,
    VK_0 + 1, VK_0 + 5, VK_0 + 9, VK_NUMPAD0 + 3, VK_NUMPAD0 + 7, VK_F1, 0,
};
// H is kept apart: a hint on a board full of the storm's junk may think for a while.

struct Antes {
    std::array<bool, 81> originales{};
    std::array<std::string, 81> dados;
};

inline Antes Fotografiar(const Juego& juego, const Tablero& tablero)
{
    Antes a;
    for (int i = 0; i < 81; ++i) {
        a.originales[static_cast<size_t>(i)] = juego.Estado().Originales[static_cast<size_t>(i)];
        if (a.originales[static_cast<size_t>(i)]) a.dados[static_cast<size_t>(i)] = tablero.Texto(static_cast<int16_t>(i));
    }
    return a;
}

// nuevoTablero: the key may have started another game (I, or a deal).
inline std::string Revisar(const Juego& juego, const Tablero& tablero, const Antes& antes, bool nuevoTablero)
{
    const EstadoJuego& e = juego.Estado();
    if (e.CasillaActual < 0 || e.CasillaActual > 80 || e.CasillaActual != e.FilaActual * 9 + e.ColumnaActual)
        return "the cursor left the grid";
    // A new game shows no highlight until the first move; after it, only the cursor's cell.
    for (int i = 0; i < 81; ++i)
        if (tablero.Seleccionada(i) && i != e.CasillaActual) return "a cell away from the cursor is shown selected";
    for (int i = 0; i < 81; ++i) {
        const auto k = static_cast<size_t>(i);
        const std::string t = tablero.Texto(static_cast<int16_t>(i));
        if (e.Originales[k]) {
            if (t != std::to_string(e.Solucion[k / 9][k % 9])) return "given " + std::to_string(i) + " lost its digit";
            if (!tablero.Bloqueada(i)) return "given " + std::to_string(i) + " is not locked";
        }
        if (!nuevoTablero && (e.Originales[k] != antes.originales[k] || (e.Originales[k] && t != antes.dados[k])))
            return "the givens changed without a new game";
        if (e.Notas[k] != 0 && !AdmiteNotas(e, tablero, static_cast<int16_t>(i)))
            return "cell " + std::to_string(i) + " has notes and a text";
        if (e.Notas[k] > 0x1FF) return "notes out of range";
    }
    for (const char c : juego.Linea())
        if (c == '\r' || c == '\b' || c == '\0') return "a control character reached the message line";
    // What a slot would hold reads back the same.
    const std::string bytes = juego.BytesDeRanura();
    const LecturaPartida lectura = DecodificarPartida(bytes);
    if (!lectura.ok || CodificarPartida(lectura.registro) != bytes) return "the game does not read back from its slot bytes";
    return {};
}
