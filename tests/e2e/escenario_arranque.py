#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What Orca says when the window opens: the window, the key detector that holds
the focus and its hint; the first focus is silent otherwise. The very first keys
work without any click.
usage: escenario_arranque.py PATH/TO/novaro"""
from jugar_de_oido import decir, leer
from orca_session import normalize, run_scenario


def cuerpo(s):
    oido = [normalize(u) for u in s.initial]
    assert oido == ["NOVARO frame", "Detector de teclas", "Pulse F1 para ayuda"], oido

    fila = leer(s, "f")                  # the first key of the game
    assert 0 in fila and any(fila), fila
    decir(s, "Right", "vacía" if fila[1] == 0 else str(fila[1]))
    decir(s, "o", "Aviso de número original activado")


run_scenario(cuerpo, faketime="2024-05-01 10:20:30")
