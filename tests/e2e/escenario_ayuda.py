#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""F1 opens the instructions and Orca starts reading them at once; Escape closes
them and the focus is back where it was: on the key detector, or on a cell.
usage: escenario_ayuda.py PATH/TO/novaro"""
from jugar_de_oido import DETECTOR, cerrar, decir, leer
from orca_session import run_scenario


def abrir_ayuda(s):
    conocidas = s.windows()
    m = s.mark()
    s.press("F1")
    ventana = s.wait_new_window(conocidas)
    s.wait_for("Instrucciones Novaro dialog", since=m)
    s.wait_for("NOVARO", since=m)            # the first line of the text, read at once
    return ventana


def cuerpo(s):
    ventana = abrir_ayuda(s)
    decir(s, "Down", "blank")
    decir(s, "Down", "Objetivo del juego:")
    m = s.mark()
    cerrar(s, ventana, "Escape")
    s.wait_for(DETECTOR, since=m)
    leer(s, "f")                              # the game keys work again

    # From a cell the focus comes back to that cell; Escape then leads home.
    decir(s, "Tab", "Fila 1, columna 1", contains=True)
    ventana = abrir_ayuda(s)
    m = s.mark()
    cerrar(s, ventana, "Escape")
    s.wait_for("Fila 1, columna 1", since=m, contains=True)
    decir(s, "Escape", DETECTOR)

    # Enter closes too: "Aceptar" is the default button.
    ventana = abrir_ayuda(s)
    m = s.mark()
    cerrar(s, ventana, "Return")
    s.wait_for(DETECTOR, since=m)


run_scenario(cuerpo, faketime="2024-05-01 10:20:30")
