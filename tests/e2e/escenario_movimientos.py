#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Moving by ear: each step speaks the cell the cursor enters, a given digit with
its notice when O is on, an empty cell as "vacía"; the edge is a beep and no
speech; F9 switches the panel sound aloud; a whole write-mode entry is heard.
A held arrow (keys 40 ms apart) and a steady pace (300 ms) are heard cell by cell.
usage: escenario_movimientos.py PATH/TO/novaro"""
import os
import re

from orca_session import normalize, run_scenario

CELDA = r"(?:[1-9]|vacía)"
FILA = re.compile(r"^(?:%s ){9}$" % CELDA)


def decir(s, teclas, texto):
    m = s.mark()
    s.press(teclas)
    return s.wait_for(texto, since=m)


# Announcements carry their text, so no burst loses a cell. The labels older Qt speaks
# through can lose cells of a burst (Orca reads a label when it gets to its event),
# never the last one.
ANUNCIOS = os.environ.get("NOVARO_VOZ") == "anuncios"


def oir_exacto(s, teclas, esperado, delay_ms, rafaga=False):
    """Keys `delay_ms` apart: Orca says the cells entered, each once, in order, nothing else."""
    s.wait_quiet(quiet=0.5)
    m = s.mark()
    s.press(teclas, delay_ms=delay_ms)
    s.wait_quiet(quiet=1.0)
    oido = [normalize(u) for u in s.spoken(m)]
    if rafaga and not ANUNCIOS:
        oido, esperado = oido[-1:], esperado[-1:]
    assert oido == esperado, "%s: expected %s, heard %s" % (teclas, esperado, oido)


def cuerpo(s):
    fila = decir(s, "f", FILA).split()
    col = decir(s, "c", FILA).split()

    # From (0, 0): a held arrow, six cells right and six back, ten times.
    for vuelta in range(10):
        if vuelta % 2 == 0:
            oir_exacto(s, "Right " * 6, fila[1:7], delay_ms=40, rafaga=True)
        else:
            oir_exacto(s, "Left " * 6, fila[5::-1], delay_ms=40, rafaga=True)
    # Four moves down and back at an unhurried pace.
    oir_exacto(s, "Down " * 4, col[1:5], delay_ms=300)
    oir_exacto(s, "Up " * 4, col[3::-1], delay_ms=300)

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
