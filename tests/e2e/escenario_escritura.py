#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Write mode heard through Orca: Enter, a digit and Enter store the digit in an
empty cell, Control marks it provisional, Delete empties it again, and given cells
refuse both writing and erasing.
usage: escenario_escritura.py PATH/TO/novaro"""
import re

from orca_session import run_scenario

FILA = re.compile(r"^(?:(?:[1-9]|vacía) (?:P )?){9}$")


def decir(s, teclas, texto):
    m = s.mark()
    s.press(teclas)
    return s.wait_for(texto, since=m)


def ir_a_columna(s, columna):
    s.press(*["Right"] * columna)
    s.wait_quiet(quiet=0.5)


def cuerpo(s):
    fila = decir(s, "f", FILA).split()
    vacia = fila.index("vacía")
    dada = next(i for i, t in enumerate(fila) if t != "vacía")

    ir_a_columna(s, dada)
    decir(s, "Return", "Modo escritura no disponible. Valor original bajo el cursor.")
    decir(s, "Delete", "Imposible borrar ese número. Pertenece a los datos originales.")
    s.press("Home")
    s.wait_quiet(quiet=0.5)

    ir_a_columna(s, vacia)
    decir(s, "Return", "Modo escritura activado")
    decir(s, "5", "5")
    decir(s, "Return", "Modo escritura desactivado")
    decir(s, "v", "5")
    decir(s, "Control_L", "Provisional")
    fila = decir(s, "f", FILA).split()
    assert fila[fila.index("5") + 1] == "P", fila

    s.press("Delete")
    s.wait_quiet(quiet=0.5)
    decir(s, "v", "vacía")
    fila = decir(s, "f", FILA).split()
    assert "P" not in fila and fila[vacia] == "vacía", fila


run_scenario(cuerpo, faketime="2024-05-01 10:20:30")
