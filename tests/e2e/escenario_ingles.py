#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""NOVARO on an English desktop, heard through Orca: the key detector and its hint,
a move, a column read with its empty cells, a write-mode entry, the Botonera and
the checker's message all come in English.
usage: escenario_ingles.py PATH/TO/novaro"""
import re

from jugar_de_oido import caja, cerrar, decir
from orca_session import normalize, run_scenario

CELDA = r"(?:[1-9]|empty)"
COLUMNA = re.compile(r"^(?:%s ){8}%s ?\.?$" % (CELDA, CELDA))


def cuerpo(s):
    oido = [normalize(u) for u in s.initial]
    assert "Key detector" in oido and "Press F1 for help" in oido, oido

    columna = decir(s, "c", COLUMNA).split()
    fila = columna.index("empty")   # a new game's first column has an empty cell
    assert fila > 0, columna
    for _ in range(fila - 1):
        s.press("Down")
    s.wait_quiet(quiet=0.5)
    decir(s, "Down", "empty")

    decir(s, "Return", "Write mode on")
    decir(s, "7", "7")
    decir(s, "Return", "Write mode off")
    decir(s, "v", "7")

    decir(s, "Menu", "Buttons menu, 6 options")
    conocidas = s.windows()
    m = s.mark()
    s.press("c")
    ventana = caja(s, m, conocidas, re.compile(r"^Wrong numbers in column \d\(\d{9}\)$"))
    m = s.mark()
    cerrar(s, ventana)
    s.wait_for("Cursor on the key detector", since=m)


run_scenario(cuerpo, faketime="2024-05-01 10:20:30",
             env={"LANG": "en_GB.UTF-8", "LANGUAGE": "en_GB:en"})
