#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""After "&Ver solución" the board is heard full, and the Applications key's popup
names "&Comprobar" and "&Guardar partida" as unavailable: the arrows reach them,
their access letters do not run them. "&Nuevo" makes them available again.
usage: escenario_solucion.py PATH/TO/novaro"""
import time

from jugar_de_oido import decir, leer
from orca_session import run_scenario

GRIS = "%s grayed"   # what Orca says for a disabled menu item
ITEMS = ["Comprobar", "Nuevo", "Ver solución", "Guardar partida", "Cargar partida", "Salir"]


def cerrar_menu(s):
    decir(s, "Escape", "Detector de teclas")


def cuerpo(s):
    antes = leer(s, "c")
    assert 0 in antes
    # By its access letter; Orca does not always name an item chosen that way.
    s.press("Menu v")
    despues = leer(s, "c")
    assert sorted(despues) == list(range(1, 10)), despues
    assert all(a in (0, d) for a, d in zip(antes, despues)), "the givens stay as they were"

    # Down through the whole popup: every item is heard, the barred two as greyed.
    s.press("Menu")
    for item in ITEMS:
        decir(s, "Down", GRIS % item if item in ("Comprobar", "Guardar partida") else item)
    cerrar_menu(s)

    # Their access letters only point at them; no check, no slot menu.
    for letra, item in (("c", "Comprobar"), ("g", "Guardar partida")):
        decir(s, "Menu " + letra, GRIS % item)
        abiertas = s.windows()
        s.press("Return")
        time.sleep(0.6)
        assert s.windows() == abiertas, "a barred item did something"
        cerrar_menu(s)

    decir(s, "Menu Down Down", "Nuevo")
    s.press("Return")
    assert 0 in leer(s, "c"), "a new game has empty cells again"
    decir(s, "Menu Down", "Comprobar")
    decir(s, "Down Down Down", "Guardar partida")
    cerrar_menu(s)


run_scenario(cuerpo, faketime="2024-05-01 10:20:30")
