#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A wrong board heard through Orca: the first column is filled with a repeated
digit, and the check names that column with the values it read; once the digit is
put right, the check moves on to the next column that fails.
usage: escenario_error.py PATH/TO/novaro"""
from jugar_de_oido import DETECTOR, caja, cerrar, decir, leer
from orca_session import run_scenario


def listado(valores):
    return "".join(str(v) for v in valores)


def comprobar(s, teclas, esperado):
    """Check from the Applications key's popup, hear the box, close it with Return."""
    conocidas = s.windows()
    m = s.mark()
    s.press(teclas)
    ventana = caja(s, m, conocidas, esperado)
    m = s.mark()
    cerrar(s, ventana)
    s.wait_for(DETECTOR, since=m)


def escribir_en_columna(s, filas_y_digitos):
    """From row 0, down the cursor's column, writing each digit in its row."""
    actual = 0
    for fila, digito in filas_y_digitos:
        s.press(*["Down"] * (fila - actual))
        actual = fila
        decir(s, "Return", "Modo escritura activado")
        decir(s, "%d Return" % digito, "Modo escritura desactivado")
    s.press("Prior")
    s.wait_quiet(quiet=0.4)


def cuerpo(s):
    primera = leer(s, "c")
    vacias = [f for f, v in enumerate(primera) if v == 0]
    faltan = sorted(set(range(1, 10)) - set(primera))
    assert vacias and len(vacias) == len(faltan), primera
    repetido = next(v for v in primera if v)

    # The first empty cell gets a digit the column already has.
    columna = list(primera)
    columna[vacias[0]] = repetido
    for fila, digito in zip(vacias[1:], faltan[1:]):
        columna[fila] = digito
    escribir_en_columna(s, [(f, columna[f]) for f in vacias])
    assert leer(s, "c") == columna
    comprobar(s, "Menu c", "Datos incorrectos en la columna 1(%s)" % listado(columna))

    # Put right, the column passes and the second one is named.
    columna[vacias[0]] = faltan[0]
    escribir_en_columna(s, [(vacias[0], faltan[0])])
    s.press("Right")
    segunda = leer(s, "c")
    assert 0 in segunda, "the second column of a new game has an empty cell"
    comprobar(s, "Menu Down Return", "Datos incorrectos en la columna 2(%s)" % listado(segunda))


run_scenario(cuerpo, faketime="2024-05-01 10:20:30")
