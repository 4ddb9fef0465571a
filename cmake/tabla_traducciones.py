#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Turns a Qt Linguist .ts file into the C++ table the core reads its words from.

    tabla_traducciones.py ENTRADA.ts SALIDA.cpp FUNCION

SALIDA.cpp defines `std::span<const Traduccion> FUNCION()` (Traducciones.h), sorted by
context and source as the core's binary search expects. Only finished translations go
in: an unfinished, vanished or obsolete one, or an empty one, leaves the Spanish.
"""
import sys
import xml.etree.ElementTree as ET


def texto(elemento):
    """The element's text as lupdate wrote it: control characters come as <byte>."""
    partes = [elemento.text or ""]
    for hijo in elemento:
        if hijo.tag != "byte":
            raise ValueError(f"<{hijo.tag}> inside <{elemento.tag}>")
        valor = hijo.get("value", "")
        partes.append(chr(int(valor[1:], 16) if valor.startswith("x") else int(valor)))
        partes.append(hijo.tail or "")
    return "".join(partes)


def literal(cadena):
    """A C++ string literal of the UTF-8 bytes. Octal escapes, which never take
    more than three digits, so a digit after them stays a digit."""
    salida = []
    for b in cadena.encode("utf-8"):
        c = chr(b)
        if c in '\\"':
            salida.append("\\" + c)
        elif 0x20 <= b < 0x7F and c != "?":
            salida.append(c)
        else:
            salida.append(f"\\{b:03o}")
    return '"' + "".join(salida) + '"'


def leer(ruta):
    filas = {}
    for contexto in ET.parse(ruta).getroot().iter("context"):
        nombre = texto(contexto.find("name"))
        for mensaje in contexto.iter("message"):
            # Plurals and messages with a disambiguation are asked for otherwise;
            # the core never does.
            if mensaje.get("numerus") == "yes" or mensaje.find("comment") is not None:
                continue
            traduccion = mensaje.find("translation")
            if traduccion is None or traduccion.get("type"):
                continue
            destino = texto(traduccion)
            if not destino:
                continue
            clave = (nombre, texto(mensaje.find("source")))
            if clave in filas and filas[clave] != destino:
                raise ValueError(f"two translations of {clave!r}")
            filas[clave] = destino
    return filas


def main(argv):
    if len(argv) != 4:
        sys.stderr.write(__doc__)
        return 2
    entrada, salida, funcion = argv[1:]
    try:
        filas = leer(entrada)
    except (OSError, ET.ParseError, ValueError) as error:
        sys.stderr.write(f"{entrada}: {error}\n")
        return 1
    # Byte order, as std::string_view compares.
    orden = sorted(filas.items(), key=lambda f: (f[0][0].encode("utf-8"), f[0][1].encode("utf-8")))
    lineas = [
        "// SPDX-License-Identifier: GPL-3.0-or-later",
        f"// Made from {entrada.rsplit('/', 1)[-1]} by tabla_traducciones.py at build time: do not edit.",
        '#include "Traducciones.h"',
        "",
    ]
    if orden:
        lineas += ["namespace {", "constexpr Traduccion tabla[] = {"]
        lineas += [f"    {{{literal(c)}, {literal(s)}, {literal(t)}}}," for (c, s), t in orden]
        lineas += ["};", "}", "", f"std::span<const Traduccion> {funcion}() {{ return tabla; }}"]
    else:
        lineas += [f"std::span<const Traduccion> {funcion}() {{ return {{}}; }}"]
    with open(salida, "w", encoding="utf-8") as f:
        f.write("\n".join(lineas) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
