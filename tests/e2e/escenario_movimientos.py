#!/usr/bin/python3
"""Moving by ear: each step speaks the cell the cursor enters, a given digit with
its notice when O is on, an empty cell as "vacía"; the edge is a beep and no
speech; F9 switches the panel sound aloud; a whole write-mode entry is heard.
usage: escenario_movimientos.py PATH/TO/novaro"""
import re

from orca_session import run_scenario

CELDA = r"(?:[1-9]|vacía)"
FILA = re.compile(r"^(?:%s ){9}$" % CELDA)


def decir(s, teclas, texto):
    m = s.mark()
    s.press(teclas)
    return s.wait_for(texto, since=m)


def cuerpo(s):
    fila = decir(s, "f", FILA).split()
    # Row 0 of a new game holds at least one given and one empty cell.
    dada = next(i for i, t in enumerate(fila) if t != "vacía" and i > 0)
    vacia = next(i for i, t in enumerate(fila) if t == "vacía" and i > 0)

    # The first move onto the given: its digit; with the notice on, its digit and O.
    for _ in range(dada - 1):
        s.press("Right")
    s.wait_quiet(quiet=0.5)
    decir(s, "Right", fila[dada])
    decir(s, "o", "Aviso de número original activado")
    decir(s, "Left", fila[dada - 1])
    decir(s, "Right", "%s O" % fila[dada])
    decir(s, "o", "Aviso de número original desactivado")

    decir(s, "Home", fila[0])
    m = s.mark()
    s.press("Home")   # already at column 0: a beep, nothing spoken
    s.expect_silence(since=m)

    for _ in range(vacia - 1):
        s.press("Right")
    s.wait_quiet(quiet=0.5)
    decir(s, "Right", "vacía")

    decir(s, "F9", "Sonido desactivado")
    decir(s, "F9", "Sonido activado")

    decir(s, "Return", "Modo escritura activado")
    decir(s, "4", "4")
    decir(s, "2", "2")
    decir(s, "Return", "Modo escritura desactivado")
    decir(s, "a", "42")


run_scenario(cuerpo, faketime="2024-05-01 10:20:30")
