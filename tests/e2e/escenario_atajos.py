#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The quick keys by ear: the Applications key's popup names itself as it opens,
D says where the cursor is, S jumps to the next empty cell, N names the digits
that fit it, Z takes back an entry, and with E on a repeated digit says where;
after U and a new game, H is one utterance and G names a difficulty reasoning
can reach.
usage: escenario_atajos.py PATH/TO/novaro"""
import re

from jugar_de_oido import candidatos, columna, decir, leer_tablero, panel, posicion
from orca_session import run_scenario

CABEN = re.compile(r"^(?:Caben? |No cabe)")
# A one-solution deal never needs a guess: G names a technique, or says it is easy.
DIFICULTAD = re.compile(r"^Dificultad: (?:fácil|necesita )")
PISTA = re.compile(r"^(?:Fila (?P<f1>\d), columna (?P<c1>\d): solo cabe el (?P<d1>\d)"
                   r"|En la fila (?P<f2>\d), el (?P<d2>\d) solo puede ir en la columna (?P<c2>\d)"
                   r"|En la columna (?P<c3>\d), el (?P<d3>\d) solo puede ir en la fila (?P<f3>\d)"
                   r"|En el panel [a-z ]+, el (?P<d4>\d) solo puede ir en la fila (?P<f4>\d), columna (?P<c4>\d))")


def pista(oido):
    """Row, column and digit a hint names, 0-based cell and digit."""
    m = PISTA.match(oido)
    k = next(n for n in "1234" if m.group("f" + n))
    return (int(m.group("f" + k)) - 1) * 9 + int(m.group("c" + k)) - 1, int(m.group("d" + k))


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

    # U, a new game, H: one utterance, and the cursor on the cell it names.
    decir(s, "u", "Sudokus de solución única activado")
    decir(s, "Menu Down Down", "Nuevo")
    s.press("Return")
    s.wait_quiet(quiet=0.8)
    m = s.mark()
    oido = decir(s, "h", PISTA)
    s.wait_quiet(quiet=0.8)
    # Heard whole, and nothing after it (the greeting of the new game may come before).
    tras = s.spoken(m)
    assert [t for t in tras if PISTA.match(t)] == [tras[-1]], tras
    celda, digito = pista(oido)
    assert 1 <= digito <= 9, oido
    decir(s, "d", posicion(celda))
    decir(s, "g", DIFICULTAD)


run_scenario(cuerpo, faketime="2024-05-01 10:20:30")
