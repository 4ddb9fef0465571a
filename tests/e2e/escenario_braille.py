#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Read on a braille display: after each key Orca's braille line shows the message
it spoke, once and without a role word; with Orca's flash messages kept until the
next one, the message is still on the line six seconds later, just before the next
key (Orca's own time for a flash is five).
usage: escenario_braille.py PATH/TO/novaro"""
import re
import time

from jugar_de_oido import LINEA
from orca_session import normalize, run_scenario

CELDA = re.compile(r"^(?:[1-9]|vacía)\.?$")
# Each key and what it makes the game say, from the first cell of a new game.
TECLAS = [
    ("Right", CELDA),
    ("Right", CELDA),
    ("Down", CELDA),
    ("c", LINEA),
    ("Return", re.compile(r"^Modo escritura ")),
    ("Return", re.compile(r"^Modo escritura ")),
    ("d", re.compile(r"^Fila \d, columna \d, panel ")),
    ("n", re.compile(r"^(?:Caben? |No cabe|Número original)")),
]
ESPERA = 6.0


def muestra(dicho):
    """The braille line holding a message: the message alone (a flash message), or
    ending the line, after the window's name and before Orca's end-of-line mark."""
    return re.compile(r"(?:^|\s)%s\.?\s*(?:\$l)?$" % re.escape(normalize(dicho)))


def cuerpo(s):
    for tecla, patron in TECLAS:
        m, b = s.mark(), s.braille_mark()
        pulsada = time.monotonic()
        s.press(tecla)
        dicho = s.wait_for(patron, since=m)
        s.wait_braille(muestra(dicho), since=b)

        time.sleep(max(0.0, pulsada + ESPERA - time.monotonic()))
        linea = s.braille_now()
        assert s.braille_mark() > b and muestra(dicho).search(linea), \
            "%s: %r no longer on the braille line after %.0f s: %r" % (tecla, dicho, ESPERA, linea)
        oido = [normalize(u) for u in s.spoken(m)]
        assert oido == [normalize(dicho)], "%s: one utterance expected, heard %r" % (tecla, oido)


run_scenario(cuerpo, faketime="2024-05-01 10:20:30",
             orca_settings={"enableFlashMessages": True, "flashIsPersistent": True})
