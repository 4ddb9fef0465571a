#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Sudokus from outside by ear: the game started with --sudoku shows that one; a
sudoku another program put on the clipboard is taken with I, heard as one utterance
with its number of givens and its difficulty (and refused, with the reason, when it
will not do); G then says the difficulty again; X leaves the board on the clipboard as one line of 81.
A puzzle whose next step needs an XY-chain: H says what it proves and its first links,
H again the next ones, until the last. One of the hardest puzzles known: H says, after the short
word that it is thinking, the nested forcing chain that proves its first step, H again goes on. B chooses a difficulty by name, and a new game of it is heard as one utterance with its givens.
usage: escenario_portapapeles.py PATH/TO/novaro"""
import re

from jugar_de_oido import decir, leer_tablero
from orca_session import run_scenario

FACIL = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79"
DIECISIETE = ".......1.4.........2...........5.4.7..8...3....1.9....3..4..2...5.1........8.6..."
FACIL_DICHO = ("Dificultad: fácil, basta con mirar qué cabe en cada casilla"
               " y dónde puede ir cada número")
# Its next step: row 4, column 5 takes the 7, by an XY-chain of ten links.
CADENA_XY = "962157384485392617731648259...5...68...816..26.84....5874931526..3764891196285..3"
PISTA_XY = re.compile(r"^(Fila 4, columna 5|En .*columna 5).*el 7.*porque .*una cadena XY.*; H para seguir\.?$")
SIGUE = re.compile(r"^entonces .*; H para seguir\.?$")
FIN = re.compile(r"^entonces (?!.*H para seguir).*$")
EASTER_MONSTER = "1.......2.9.4...5...6...7...5.9.3.......7.......85..4.7.....6...3...9.8...2.....1"
PISTA_ANIDADA = re.compile(r"^En la fila 2, el 7 solo puede ir en la columna 6, porque una cadena forzada anidada: "
                           r"la fila 2, columna 3 no puede ser el 7, pues .*; H para seguir\.?$")
SIGUE_ANIDADA = re.compile(r"^si el \d va en .*, una cadena forzada deja sin .*; H para seguir\.?$")
NUEVO_EXPERTO = re.compile(r"^Sudoku Experto, (\d+) números dados\.?$")
G_EXPERTO = re.compile(r"^Sudoku Experto\. Dificultad: necesita un (ala X|pez espada|ala XY|ala XYZ)\.?$")
IMPORTADO = re.compile(r"^Sudoku importado, 17 números dados\. " + re.escape(FACIL_DICHO))


def digitos(linea):
    return [0 if c == "." else int(c) for c in linea]


def nueve_lineas(linea):
    """As a friend would type it in a message: nine rows of nine, 0 for empty."""
    return "".join(linea[f * 9:f * 9 + 9].replace(".", "0") + "\n" for f in range(9))


def una_vez(s, teclas, patron, timeout=10.0):
    """Press keys: what they say comes as one utterance, and nothing after it."""
    m = s.mark()
    s.press(teclas)
    oido = s.wait_for(patron, since=m, timeout=timeout)
    s.wait_quiet(quiet=0.8)
    tras = s.spoken(m)
    assert tras[-1:] == [oido] and len([t for t in tras if patron.match(t)]) == 1, tras
    return oido


def cuerpo(s):
    assert leer_tablero(s) == digitos(FACIL)

    s.set_clipboard("hola")
    decir(s, "i", "Sudoku rechazado: no hay ninguna casilla")

    s.set_clipboard(nueve_lineas(DIECISIETE))
    s.wait_quiet(quiet=0.5)   # whatever a screen reader says of another program's copy
    una_vez(s, "i", IMPORTADO)
    assert leer_tablero(s) == digitos(DIECISIETE)
    decir(s, "g", FACIL_DICHO)

    decir(s, "x", "Tablero copiado")
    assert s.clipboard() == DIECISIETE, s.clipboard()

    s.set_clipboard(CADENA_XY)
    s.wait_quiet(quiet=0.5)
    decir(s, "i", "Sudoku importado, ", contains=True)
    s.wait_quiet(quiet=0.8)
    for patron in (PISTA_XY, SIGUE, FIN):
        una_vez(s, "h", patron)

    s.set_clipboard(EASTER_MONSTER)
    s.wait_quiet(quiet=0.5)
    decir(s, "i", "Sudoku importado, 21 números dados. Dificultad: necesita una cadena forzada anidada", contains=True)
    s.wait_quiet(quiet=0.8)
    m = s.mark()
    s.press("h")
    oido = s.wait_for(PISTA_ANIDADA, since=m, timeout=20)
    s.wait_quiet(quiet=0.8)
    tras = s.spoken(m)
    # Past its first moment the hint says it is thinking; then the hint, once.
    assert [t for t in tras if not t.startswith("Pensando")] == [oido], tras
    una_vez(s, "h", SIGUE_ANIDADA)

    decir(s, "b", "Dificultad: Sencillo")
    decir(s, "b b b", "Dificultad: Experto")
    decir(s, "Menu Down Down", "Nuevo")
    oido = una_vez(s, "Return", NUEVO_EXPERTO, timeout=20)
    dados = sum(1 for d in leer_tablero(s) if d)
    assert dados == int(NUEVO_EXPERTO.match(oido).group(1)), (dados, oido)
    decir(s, "g", G_EXPERTO)


run_scenario(cuerpo, args=["--sudoku", FACIL], faketime="2024-05-01 10:20:30")
