#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Tab from the key detector walks the cells: each one is heard with its position
("Fila 1, columna 1") and its value, the givens as read only; Shift+Tab walks back
and Escape returns to the key detector.
usage: escenario_tabulador.py PATH/TO/novaro"""
import re

from jugar_de_oido import DETECTOR, decir, leer
from orca_session import normalize, run_scenario

VALOR = re.compile(r"^(?:[1-9]|-)\.?$")


def tabular(s, teclas, fila, columna):
    """Move the focus with a key; return (value heard, whether read only)."""
    nombre = "Fila %d, columna %d " % (fila, columna)
    m = s.mark()
    s.press(teclas)
    campo = s.wait_for(re.compile("^" + nombre), since=m)
    # Orca says the selected text and the field in the order their events come.
    s.wait_quiet(quiet=0.3)
    valores = [normalize(u) for u in s.spoken(m) if VALOR.match(u)]
    assert len(valores) == 1, "one value for %s: %r" % (nombre, s.spoken(m))
    return (0 if valores[0] == "-" else int(valores[0])), "read only" in campo


def cuerpo(s):
    fila = leer(s, "f")
    for c in range(9):
        valor, fija = tabular(s, "Tab", 1, c + 1)
        assert valor == fila[c], (c + 1, valor, fila)
        # A new game's digits are all givens, and the givens are locked.
        assert fija == (fila[c] != 0), (c + 1, fija)
    tabular(s, "Tab", 2, 1)
    valor, _ = tabular(s, "shift+Tab", 1, 9)
    assert valor == fila[8]
    decir(s, "Escape", DETECTOR)
    assert leer(s, "f") == fila


run_scenario(cuerpo, faketime="2024-05-01 10:20:30")
