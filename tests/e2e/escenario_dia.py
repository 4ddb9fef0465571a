#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The sudoku of the day by ear, on a Sunday: the Día menu starts it with its date,
kind and givens; Y says the time and the streak; the board is read, solved here and
written, and the last digit is heard with the win and the streak of one day.
usage: escenario_dia.py PATH/TO/novaro"""
import re

from jugar_de_oido import decir, leer_tablero, resolver, teclas_escribir, valido
from orca_session import run_scenario

RAPIDO_MS = 40
DEL_DIA = re.compile(r"^Sudoku del día, 13 de diciembre: Maestro, (\d+) números dados")
TIEMPO = re.compile(r"segundos?\. Racha: 0 días")
GANADO = re.compile(r"Sudoku del día resuelto en .*, sin pistas\. Racha: 1 día")


def cuerpo(s):
    oido = decir(s, "alt+d Return", DEL_DIA, timeout=20.0)
    decir(s, "y", TIEMPO)
    tablero = leer_tablero(s)
    assert 81 - tablero.count(0) == int(DEL_DIA.search(oido).group(1)), (oido, tablero)
    solucion = resolver(tablero)
    assert solucion and valido(solucion), "the board heard has no solution: %s" % tablero

    s.press("Prior Home")
    s.wait_quiet(quiet=0.4)
    teclas = []
    for f in range(9):
        actual = 0
        for c in range(9):
            if tablero[f * 9 + c] == 0:
                teclas += ["Right"] * (c - actual) + [teclas_escribir(solucion[f * 9 + c])]
                actual = c
        teclas += ["Home", "Down"]
    escritas = [i for i, t in enumerate(teclas) if t not in ("Right", "Home", "Down")]
    # All but the last digit typed quickly, the board read back once every key is played;
    # then the last empty cell is written and its words are awaited.
    s.press(*teclas[:escritas[-1]], delay_ms=RAPIDO_MS)
    s.wait_quiet(quiet=0.5)
    s.press("Prior")
    ultima = max(i for i in range(81) if tablero[i] == 0)
    casi = list(solucion)
    casi[ultima] = 0
    assert leer_tablero(s) == casi, "the board heard after writing is not the solution less one cell"
    f, c = divmod(ultima, 9)
    s.press(*(["Prior", "Home"] + ["Down"] * f + ["Right"] * c))
    s.wait_quiet(quiet=0.5)
    decir(s, teclas_escribir(solucion[ultima]), GANADO, timeout=20.0)

run_scenario(cuerpo, faketime="2026-12-13 10:20:30")
