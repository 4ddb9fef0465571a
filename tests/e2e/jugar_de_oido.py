# SPDX-License-Identifier: GPL-3.0-or-later
"""Playing NOVARO by ear, for the scenarios: every value of the board is learnt
from what Orca says, never from the program's insides."""
import re

CELDA = r"(?:[1-9]|vacía)"
# C and F: nine values, each followed by a blank.
LINEA = re.compile(r"^(?:%s ){8}%s ?\.?$" % (CELDA, CELDA))
# T and P: three panel rows, each ending in a full stop.
PANEL = re.compile(r"^(?:%s %s %s\. ?){3}$" % (CELDA, CELDA, CELDA))
FELICIDADES = "Muchísimas felicidades. ha demostrado usted una  gran inteligencia "
PANELES = ("superior izquierdo|superior central|superior derecho|central izquierdo|central|"
           "central derecho|inferior izquierdo|inferior central|inferior derecho").split("|")
DETECTOR = "Cursor sobre detector de teclas"


def decir(s, teclas, esperado, timeout=10.0, contains=False):
    """Press keys and wait until Orca says `esperado`; return what it said."""
    m = s.mark()
    s.press(teclas)
    return s.wait_for(esperado, since=m, timeout=timeout, contains=contains)


def posicion(i):
    """What D says of cell i, 0-based."""
    f, c = divmod(i, 9)
    return "Fila %d, columna %d, panel %s" % (f + 1, c + 1, PANELES[f // 3 * 3 + c // 3])


def valores(dicho):
    """Digits of a spoken line or panel: 0 for an empty cell."""
    return [0 if t == "vacía" else int(t) for t in dicho.replace(".", " ").split()]


def leer(s, teclas, patron=LINEA):
    """Keys ending in a reading key (C, F, T, P): the values heard."""
    return valores(decir(s, teclas, patron))


def leer_tablero(s):
    """From row 0 the nine rows with F, going down column 0; ends on row 8.
    Returns the 81 values row by row."""
    tablero = []
    for fila in range(9):
        tablero += leer(s, "Down f" if fila else "f")
    return tablero


def columna(tablero, c):
    return [tablero[f * 9 + c] for f in range(9)]


def panel(tablero, f0, c0):
    return [tablero[(f0 + a) * 9 + c0 + b] for a in range(3) for b in range(3)]


def candidatos(t, i):
    f, c = divmod(i, 9)
    usados = set(t[f * 9:f * 9 + 9]) | set(columna(t, c)) | set(panel(t, f - f % 3, c - c % 3))
    return [d for d in range(1, 10) if d not in usados]


def resolver(tablero):
    """Backtracking, always on the cell with the fewest candidates; None if none fits."""
    t = list(tablero)

    def paso():
        vacias = [i for i in range(81) if t[i] == 0]
        if not vacias:
            return True
        i = min(vacias, key=lambda k: len(candidatos(t, k)))
        for d in candidatos(t, i):
            t[i] = d
            if paso():
                return True
        t[i] = 0
        return False

    return t if paso() else None


def valido(t):
    grupos = [t[f * 9:f * 9 + 9] for f in range(9)] + [columna(t, c) for c in range(9)]
    grupos += [panel(t, f, c) for f in (0, 3, 6) for c in (0, 3, 6)]
    return all(sorted(g) == list(range(1, 10)) for g in grupos)


def teclas_escribir(digito):
    """Write mode on, the digit, write mode off."""
    return "Return %d Return" % digito


def caja(s, desde, conocidas, texto, timeout=10.0):
    """Wait for a message box (a window not in `conocidas`) and for Orca to read
    `texto` after the mark `desde`; return the box's window id."""
    ventana = s.wait_new_window(conocidas, timeout=timeout)
    s.wait_for("alert NOVARO", since=desde, timeout=timeout)
    s.wait_for(texto, since=desde, timeout=timeout)
    return ventana


def cerrar(s, ventana, tecla="Return", timeout=10.0):
    """Close a box or dialog with a key and wait until its window is gone."""
    s.press(tecla)
    s.wait_window_gone(ventana, timeout=timeout)
