#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Notes by ear: L heard on; on an empty cell 3 and then 5, each one utterance; away
and back, the cell and its notes in one utterance; a 5 written in the same row takes
the 5 out of them, Z gives it back; M says in how many cells it put notes.
usage: escenario_notas.py PATH/TO/novaro"""
import re

from jugar_de_oido import decir, leer, posicion
from orca_session import normalize, run_scenario

SALTO = re.compile(r"^Fila (\d), columna (\d), panel [a-z ]+, vacía\.?$")
VACIAS = re.compile(r"en el panel, (\d+) en el tablero\.?$")


def una(s, teclas, esperado):
    """Every key but the last, then the last: it alone is heard, once, as `esperado`."""
    *antes, ultima = teclas.split()
    if antes:
        s.press(" ".join(antes))
        s.wait_quiet(quiet=0.8)
    m = s.mark()
    s.press(ultima)
    s.wait_for(esperado, since=m)
    s.wait_quiet(quiet=0.8)
    oido = s.spoken(m)
    assert [normalize(u) for u in oido] == [normalize(esperado)], (ultima, oido)


def camino(desde, hasta):
    """Arrow keys along a row from one column to another."""
    return " ".join(["Right" if hasta > desde else "Left"] * abs(hasta - desde))


def cuerpo(s):
    una(s, "l", "Notas activadas")

    # The first empty cell: S from the top left.
    f, c = (int(n) - 1 for n in SALTO.match(normalize(decir(s, "s", SALTO))).groups())
    una(s, "3", "Añadido el 3: nota 3")
    una(s, "5", "Añadido el 5: notas 3 y 5")
    ida, vuelta = ("Left", "Right") if c > 0 else ("Right", "Left")
    una(s, "%s %s" % (ida, vuelta), "vacía, notas 3 y 5")

    # A 5 written into another empty cell of the row, then back: the 3 alone is left.
    fila = leer(s, "f")
    otra = next(k for k in range(9) if fila[k] == 0 and k != c)
    s.press(camino(c, otra))
    s.wait_quiet(quiet=0.8)
    decir(s, "Return 5 Return", "Modo escritura desactivado")
    una(s, camino(otra, c), "vacía, nota 3")

    # Z takes the 5 away where it was written, and the notes have it again.
    una(s, "z", "Deshecho. %s, vacía" % posicion(f * 9 + otra))
    una(s, camino(otra, c), "vacía, notas 3 y 5")

    # M: one cell with notes for every empty cell of a board holding only its givens.
    vacias = int(VACIAS.search(normalize(decir(s, "q", VACIAS))).group(1))
    una(s, "m", "Notas en %d casillas" % vacias)
    # The cell's notes are now what N says fits it.
    caben = normalize(decir(s, "n", re.compile(r"^Caben? ")))
    una(s, "a", "vacía, %s" % re.sub(r"^Caben? ", lambda m: "nota " if m.group(0) == "Cabe " else "notas ", caben))


run_scenario(cuerpo, faketime="2024-05-01 10:20:30")
