#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes NOVARO's own sound cue and icons into resources/.

Standard library only, so the files can be rebuilt anywhere:
    python3 scripts/make_assets.py
"""
import math
import os
import struct
import wave
import zlib

RECURSOS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources")

# ---------------------------------------------------------------- sound cue

FRECUENCIA_MUESTREO = 22050
DURACION = 0.20          # seconds
AMPLITUD = 0.28          # of full scale: a cue heard under speech, not over it


def campana(t, inicio, frecuencia):
    """One soft bell note: quick attack, exponential decay, a faint octave for colour."""
    if t < inicio:
        return 0.0
    d = t - inicio
    ataque = min(1.0, d / 0.006)
    caida = math.exp(-d * 18.0)
    onda = math.sin(2 * math.pi * frecuencia * d) + 0.25 * math.sin(4 * math.pi * frecuencia * d)
    return ataque * caida * onda / 1.25


def escribir_cambio_tablero(ruta):
    n = int(FRECUENCIA_MUESTREO * DURACION)
    fundido = int(FRECUENCIA_MUESTREO * 0.03)
    muestras = bytearray()
    for i in range(n):
        t = i / FRECUENCIA_MUESTREO
        # Two notes a fourth apart (A5 then D6): rising, so it reads as "moved on".
        v = campana(t, 0.0, 880.0) + campana(t, 0.07, 1174.66)
        # The tail fades to true silence so the cue never ends in a click.
        if i > n - fundido:
            v *= (n - i) / fundido
        muestras += struct.pack("<h", int(round(max(-1.0, min(1.0, v * AMPLITUD)) * 32767)))
    with wave.open(ruta, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(FRECUENCIA_MUESTREO)
        w.writeframes(bytes(muestras))


# --------------------------------------------------------------------- icon

LADO = 32
CELDA = 8                # 2-pixel lines, 8-pixel cells: 2+8+2+8+2+8+2 = 32
BLANCO = (255, 255, 255, 255)
LINEA = (40, 40, 48, 255)
ROJO = (208, 16, 16, 255)

# 4x6 digits, the red givens of the board.
DIGITOS = {
    "7": ["####", "...#", "..#.", "..#.", ".#..", ".#.."],
    "3": ["###.", "...#", ".##.", "...#", "...#", "###."],
    "9": [".##.", "#..#", ".###", "...#", "...#", ".##."],
}
# (panel row, panel column, digit)
MARCAS = [(0, 0, "7"), (1, 1, "3"), (2, 2, "9")]


def origen(k):
    return 2 + k * (CELDA + 2)


def pixeles_icono():
    img = [[BLANCO] * LADO for _ in range(LADO)]
    for y in range(LADO):
        for x in range(LADO):
            if (x % (CELDA + 2)) < 2 or (y % (CELDA + 2)) < 2:
                img[y][x] = LINEA
    for fila, columna, digito in MARCAS:
        x0, y0 = origen(columna) + 2, origen(fila) + 1
        for dy, renglon in enumerate(DIGITOS[digito]):
            for dx, c in enumerate(renglon):
                if c == "#":
                    img[y0 + dy][x0 + dx] = ROJO
    return img


# The sizes a desktop's icon theme asks for; the 32 px one is also the window icon.
TAMANOS = (32, 48, 64, 128, 256)
MUESTRAS = 4             # per side of a pixel, so sizes that are no multiple of 32 get soft edges


def icono_de(lado, diseno):
    """The 32 px design at another size, each pixel the average of the design under it."""
    img = []
    for y in range(lado):
        fila = []
        for x in range(lado):
            suma = [0, 0, 0, 0]
            for sy in range(MUESTRAS):
                v = int((y + (sy + 0.5) / MUESTRAS) * LADO / lado)
                for sx in range(MUESTRAS):
                    p = diseno[v][int((x + (sx + 0.5) / MUESTRAS) * LADO / lado)]
                    for c in range(4):
                        suma[c] += p[c]
            fila.append(tuple(round(c / (MUESTRAS * MUESTRAS)) for c in suma))
        img.append(fila)
    return img


def trozo(tipo, datos):
    return struct.pack(">I", len(datos)) + tipo + datos + struct.pack(">I", zlib.crc32(tipo + datos) & 0xFFFFFFFF)


def escribir_png(ruta, img):
    alto, ancho = len(img), len(img[0])
    crudo = bytearray()
    for fila in img:
        crudo.append(0)  # filter: none
        for p in fila:
            crudo += bytes(p)
    cabecera = struct.pack(">IIBBBBB", ancho, alto, 8, 6, 0, 0, 0)  # 8-bit RGBA
    with open(ruta, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(trozo(b"IHDR", cabecera))
        f.write(trozo(b"IDAT", zlib.compress(bytes(crudo), 9)))
        f.write(trozo(b"IEND", b""))


def main():
    os.makedirs(RECURSOS, exist_ok=True)
    escribir_cambio_tablero(os.path.join(RECURSOS, "CambioTablero.wav"))
    os.makedirs(os.path.join(RECURSOS, "iconos"), exist_ok=True)
    diseno = pixeles_icono()
    for lado in TAMANOS:
        escribir_png(os.path.join(RECURSOS, "iconos", "%d.png" % lado), icono_de(lado, diseno))


if __name__ == "__main__":
    main()
