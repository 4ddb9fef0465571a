#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A whole game won by ear: the board is read with F, C and T, solved here, every
missing digit is written through write mode, and the check from the Applications
key's popup ends in the congratulation; closing it gives the keys back.
usage: escenario_victoria.py PATH/TO/novaro"""
from jugar_de_oido import (DETECTOR, FELICIDADES, PANEL, caja, cerrar, columna, decir,
                           leer, leer_tablero, panel, resolver, teclas_escribir, valido)
from orca_session import run_scenario

# Typing the answers needs no speech in between; the board is read back afterwards.
RAPIDO_MS = 40


def cuerpo(s):
    tablero = leer_tablero(s)
    assert 0 in tablero, "a new game has empty cells"

    # Along the bottom row: every column and the three bottom panels agree with the rows.
    for c in range(9):
        assert leer(s, "Right c" if c else "c") == columna(tablero, c), "column %d heard differently" % (c + 1)
        if c % 3 == 0:
            assert leer(s, "t", PANEL) == panel(tablero, 6, c), "panel at column %d" % (c + 1)

    solucion = resolver(tablero)
    assert solucion and valido(solucion), "the board heard has no solution: %s" % tablero

    s.press("Prior Home")           # row 0, column 0
    s.wait_quiet(quiet=0.4)
    for f in range(9):
        teclas, actual = [], 0
        for c in range(9):
            if tablero[f * 9 + c] == 0:
                teclas += ["Right"] * (c - actual) + [teclas_escribir(solucion[f * 9 + c])]
                actual = c
        if actual:
            teclas.append("Home")
        if f < 8:
            teclas.append("Down")
        s.press(*teclas, delay_ms=RAPIDO_MS)

    s.wait_quiet(quiet=0.5)
    s.press("Prior")
    assert leer_tablero(s) == solucion, "the board heard after writing is not the solution"

    conocidas = s.windows()
    decir(s, "Menu Down", "Comprobar")
    m = s.mark()
    s.press("Return")
    ventana = caja(s, m, conocidas, FELICIDADES)
    m = s.mark()
    cerrar(s, ventana)
    s.wait_for(DETECTOR, since=m)
    # The keys work again at once.
    decir(s, "v", str(solucion[8 * 9]))


run_scenario(cuerpo, faketime="2024-05-01 10:20:30")
