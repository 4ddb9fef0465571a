#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A digit in one key, and a game that outlives a killed program: K heard on; a digit on
an empty cell heard as the digit alone; the game killed (SIGKILL) and started again says
"Partida recuperada" as one utterance, with the board and the cursor as they were. Then W
and J, and a restart that keeps them.
usage: escenario_conservada.py PATH/TO/novaro"""
import re
import time

from jugar_de_oido import decir, leer_tablero
from orca_session import normalize, run_scenario

SALTO = re.compile(r"^Fila (\d), columna (\d), panel [a-z ]+, vacía\.?$")


def una(s, tecla, esperado):
    """One key, heard once, as `esperado`."""
    s.wait_quiet(quiet=0.8)
    m = s.mark()
    s.press(tecla)
    s.wait_for(esperado, since=m)
    s.wait_quiet(quiet=0.8)
    oido = [normalize(u) for u in s.spoken(m)]
    assert oido == [normalize(esperado)], (tecla, oido)


def cuerpo(s):
    una(s, "k", "Escritura directa activada")
    decir(s, "s", SALTO)
    una(s, "7", "7")
    tablero = leer_tablero(s)          # ends on row 9, column 1
    decir(s, "s", SALTO)               # the cursor somewhere of its own
    cursor = normalize(decir(s, "d", re.compile(r"^Fila \d, columna \d")))
    time.sleep(2.5)                    # the cursor is kept within two seconds; the digit at once

    s.restart_program()                # what is heard now counts from this start
    s.wait_for("Partida recuperada", since=0)
    s.wait_quiet(quiet=0.8)
    oido = [normalize(u) for u in s.spoken(0)]
    assert oido.count("Partida recuperada") == 1, oido
    assert normalize(decir(s, "d", re.compile(r"^Fila \d, columna \d"))) == cursor
    # Back to the top left, then the rows again: the same board, the 7 in it.
    s.press("Prior Home")
    s.wait_quiet(quiet=0.8)
    assert leer_tablero(s) == tablero

    # W says the place before the cell; J "en lugar de palabras" leaves an empty cell
    # to its sound: along the last row, a digit is heard and an empty cell not at all.
    una(s, "w", "Lugar al moverse activado")
    decir(s, "Right", re.compile(r"^columna 2, "))
    una(s, "w", "Lugar al moverse desactivado")
    una(s, "j", "Sonidos: con palabras")
    una(s, "j", "Sonidos: en lugar de palabras")
    for c in range(2, 9):
        s.wait_quiet(quiet=0.8)
        m = s.mark()
        s.press("Right")
        s.wait_quiet(quiet=1.0)
        digito = tablero[72 + c]
        assert [normalize(u) for u in s.spoken(m)] == ([str(digito)] if digito else []), (c, s.spoken(m))
    una(s, "w", "Lugar al moverse activado")
    time.sleep(2.5)                    # the settings are written a moment after a change
    # Both kept: on the last row, the place alone for an empty cell.
    s.restart_program()
    s.wait_for("Partida recuperada", since=0)
    izquierda = tablero[79]
    una(s, "Left", "columna 8, %d" % izquierda if izquierda else "columna 8")


run_scenario(cuerpo, faketime="2024-05-01 10:20:30")
