#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Save slot 2 and load it back from the keyboard alone: the Applications key's
popup, "&Guardar partida" or "C&argar partida", then the slot item "Partida 2".
An empty slot is heard by its number; the saved file lands beside the program.
usage: escenario_ranuras.py PATH/TO/novaro"""
import os
import sys
import time

from jugar_de_oido import DETECTOR, caja, cerrar, decir, leer
from orca_session import run_scenario

RANURA = os.path.join(os.path.dirname(os.path.realpath(sys.argv[1] if len(sys.argv) > 1 else ".")),
                      "Novaro2.sav")


def quitar_ranura():
    if os.path.exists(RANURA):
        os.remove(RANURA)


def elegir_ranura_2(s, letra, boton):
    """Popup item by its access letter; the focus goes to its button, whose slot
    menu pops up; Down twice reaches "Partida 2", Return chooses it.
    Orca 43 names the button; Orca 48 names the chosen item and may drop the
    button's focus event that follows it at once."""
    decir(s, "Menu " + letra, boton, contains=True)
    s.wait_quiet(quiet=0.5)
    decir(s, "Down Down", "Partida 2")
    s.press("Return")


def volver_al_detector(s):
    decir(s, "Escape", DETECTOR)


def esperar_archivo(timeout=5.0):
    deadline = time.monotonic() + timeout
    while not os.path.exists(RANURA):
        assert time.monotonic() < deadline, "no slot file at %s" % RANURA
        time.sleep(0.1)
    time.sleep(0.2)   # written in one go, but let it be closed


def cuerpo(s):
    # An empty slot: the box names it, and the focus is back on the load button.
    conocidas = s.windows()
    m = s.mark()
    elegir_ranura_2(s, "a", "Cargar partida")
    ventana = caja(s, m, conocidas, "No hay ninguna partida guardada en el lugar 2")
    m = s.mark()
    cerrar(s, ventana)
    s.wait_for("Cargar partida push button", since=m, contains=True, timeout=20)
    volver_al_detector(s)

    # A digit of our own in the first empty cell of row 1, then save.
    fila = leer(s, "f")
    c = fila.index(0)
    digito = next(d for d in range(1, 10) if d not in fila)
    s.press(*["Right"] * c)
    decir(s, "Return", "Modo escritura activado")
    decir(s, "%d Return" % digito, "Modo escritura desactivado")
    fila[c] = digito
    elegir_ranura_2(s, "g", "Guardar partida")
    esperar_archivo()
    with open(RANURA, "rb") as f:
        lineas = f.read().split(b"\r\n")
    assert len(lineas) == 83 and lineas[82] == b"", "82 lines, each ending in CR LF"
    for k in range(9):
        campos = lineas[1 + k].split(b",")
        texto = b'"%d"' % fila[k] if fila[k] else b'"-"'
        assert campos[3] == texto, (k, lineas[1 + k], texto)
    assert lineas[1 + c].split(b",")[1] == b"#FALSE#", "our digit is no given"
    volver_al_detector(s)

    # Erased, then loaded back: the digit is heard again where it was.
    s.press("Delete")
    decir(s, "v", "vacía")
    m = s.mark()
    elegir_ranura_2(s, "a", "Cargar partida")
    time.sleep(0.5)
    assert not [u for u in s.spoken(m) if "alert" in u], s.spoken(m)
    volver_al_detector(s)
    decir(s, "v", str(digito))
    assert leer(s, "f") == fila


quitar_ranura()
try:
    run_scenario(cuerpo, faketime="2024-05-01 10:20:30")
finally:
    quitar_ranura()
