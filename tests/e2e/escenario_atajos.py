#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The quick keys by ear: the Applications key's popup names itself as it opens,
D says where the cursor is, S jumps to the next empty cell, N names the digits
that fit it, Z takes back an entry, and with E on a repeated digit says where.
usage: escenario_atajos.py PATH/TO/novaro"""
import re

from jugar_de_oido import candidatos, columna, decir, leer_tablero, panel
from orca_session import run_scenario

PANELES = ("superior izquierdo|superior central|superior derecho|central izquierdo|central|"
           "central derecho|inferior izquierdo|inferior central|inferior derecho").split("|")
CABEN = re.compile(r"^(?:Caben? |No cabe)")


def posicion(i):
    f, c = divmod(i, 9)
    return "Fila %d, columna %d, panel %s" % (f + 1, c + 1, PANELES[f // 3 * 3 + c // 3])


def cuerpo(s):
    decir(s, "Menu", "Menú Botonera, 6 opciones")
    decir(s, "Down", "Comprobar")             # no item was chosen before the first arrow
    decir(s, "Escape", "Detector de teclas")

    tablero = leer_tablero(s)                 # ends in row 9, column 1
    aqui = 7 * 9 + 2
    s.press("Up Right Right")
    s.wait_quiet(quiet=0.5)
    decir(s, "d", posicion(aqui))

    # The next empty cell in reading order, wrapping from the last cell to the first.
    destino = next(j % 81 for j in range(aqui + 1, aqui + 82) if tablero[j % 81] == 0)
    decir(s, "s", "%s, vacía" % posicion(destino))

    oido = decir(s, "n", CABEN)
    digitos = [int(d) for d in re.findall(r"[1-9]", oido)]
    assert digitos == candidatos(tablero, destino), (oido, candidatos(tablero, destino))

    # An entry, then Z from elsewhere: the cell is empty again and the cursor back on it.
    decir(s, "Return 7 Return", "Modo escritura desactivado")
    s.press("Home")
    decir(s, "z", "Deshecho. %s, vacía" % posicion(destino))
    decir(s, "v", "vacía")

    # E on: a digit of the cell's row written again there.
    f, c = divmod(destino, 9)
    repetido = next(d for d in tablero[f * 9:f * 9 + 9] if d)
    donde = ["en la fila"] + [t for t, g in (("en la columna", columna(tablero, c)),
                                             ("en el panel", panel(tablero, f - f % 3, c - c % 3))) if repetido in g]
    decir(s, "e", "Aviso de número repetido activado")
    decir(s, "Return %d Return" % repetido, "Modo escritura desactivado. Repetido "
          + (" y ".join(donde) if len(donde) < 3 else "en la fila, en la columna y en el panel"))


run_scenario(cuerpo, faketime="2024-05-01 10:20:30")
