#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The reading keys speak the cursor's column, row, panel and cell, with every
empty cell audible, and O switches the given-number notice aloud.
usage: escenario_lectura.py PATH/TO/novaro"""
import re

from orca_session import normalize, run_scenario

CELDA = r"(?:[1-9]|vacía)"
LINEA = re.compile(r"^(?:%s ){9}$" % CELDA)
PANEL = re.compile(r"^(?:%s %s %s\. ){3}$" % (CELDA, CELDA, CELDA))


def leer(s, tecla, patron):
    m = s.mark()
    s.press(tecla)
    return s.wait_for(patron, since=m)


def cuerpo(s):
    m = s.mark()
    s.press("o")
    s.wait_for("Aviso de número original activado", since=m)
    m = s.mark()
    s.press("o")
    s.wait_for("Aviso de número original desactivado", since=m)

    # The cursor starts on cell 0, shared by column 0, row 0 and the first panel.
    columna = leer(s, "c", LINEA).split()
    fila = leer(s, "f", LINEA).split()
    panel = leer(s, "t", PANEL).replace(".", "").split()
    assert panel == leer(s, "p", PANEL).replace(".", "").split(), "T and P read different panels"
    assert fila[0] == columna[0], (fila, columna)
    assert panel[0:3] == fila[0:3], (panel, fila)
    assert [panel[0], panel[3], panel[6]] == columna[0:3], (panel, columna)
    assert any(c != "vacía" for c in columna), "a new game has givens in every column"

    m = s.mark()
    s.press("v")
    celda = normalize(s.wait_for(re.compile(r"^%s\.?$" % CELDA), since=m))
    assert celda == columna[0], (celda, columna)


run_scenario(cuerpo, faketime="2024-05-01 10:20:30")
