#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Key to utterance in the terminal edition: a key's bytes written to its pseudo-terminal,
# timed until the line it says comes back, for the keys bench/teclas.cpp times through
# the window. After each key the game writes and syncs the game in play; the next key
# goes only once it is reading the terminal again, so no key waits for the last one's disk.
# Usage: bench/terminal.py [BUILD_DIR]     (default: build/)
#        NOVARO_TECLAS=n bench/terminal.py  (keys each case times, 1000 by default)
import math
import os
import pty
import select
import sys
import tempfile
import time

TECLAS_POR_DEFECTO = 1000
ESPERA_MAXIMA = 5.0   # seconds a key may take before the run is called broken

DER, IZQ, INTRO, RETRO = b"\x1b[C", b"\x1b[D", b"\r", b"\x7f"

# Name, keys pressed once before, the key timed, the key pressed untimed after each.
# S from the first cell lands on an empty one.
CASOS = [
    ("Flecha", [DER, DER], lambda k: IZQ if k % 2 else DER, None),
    ("C", [DER, DER, DER, DER], lambda k: b"c", None),
    ("N", [b"s"], lambda k: b"n", None),
    ("S", [], lambda k: b"s", None),
    ("H", [], lambda k: b"h", b"c"),   # C ends the hint, so every H works it out afresh
    ("Escritura", [b"s", INTRO], lambda k: b"7", RETRO),
    ("EscrituraDirecta", [b"s", b"k"], lambda k: b"7", b"z"),
]


class Terminal:
    def __init__(self, programa, hogar):
        self.pid, self.fd = pty.fork()
        if self.pid == 0:
            os.environ.update(HOME=hogar, LANGUAGE="es")
            for v in ("XDG_DATA_HOME", "XDG_CONFIG_HOME"):
                os.environ.pop(v, None)
            os.execv(programa, [programa, "--nueva"])
        self.leido = b""
        self.leer_hasta(b"F10")   # the greeting names the keys
        self.esperar_lectura()

    def leer_hasta(self, fin):
        limite = time.monotonic() + ESPERA_MAXIMA
        while fin not in self.leido:
            if not select.select([self.fd], [], [], max(0.0, limite - time.monotonic()))[0]:
                sys.exit(f"terminal.py: no {fin!r} from the game; it said {self.leido[-200:]!r}")
            self.leido += os.read(self.fd, 4096)

    # Blocked in a read of its terminal: the last key is done, disk and all.
    def esperar_lectura(self):
        limite = time.monotonic() + ESPERA_MAXIMA
        while time.monotonic() < limite:
            with open(f"/proc/{self.pid}/wchan") as f:
                canal = f.read()
            with open(f"/proc/{self.pid}/stat") as f:
                estado = f.read().rsplit(")", 1)[1].split()[0]
            if estado == "S" and canal in ("wait_woken", "n_tty_read"):
                break
            time.sleep(0.0002)
        while select.select([self.fd], [], [], 0)[0]:
            self.leido += os.read(self.fd, 4096)
        self.leido = b""

    def pulsar(self, tecla):
        os.write(self.fd, tecla)
        self.esperar_lectura()

    def medir(self, tecla):
        t0 = time.perf_counter()
        os.write(self.fd, tecla)
        self.leer_hasta(b"\n")
        t = time.perf_counter() - t0
        self.esperar_lectura()
        return t * 1e6

    def salir(self):
        os.write(self.fd, b"\x1b[21~")   # F10
        os.waitpid(self.pid, 0)
        os.close(self.fd)


def percentil(v, p):
    # Nearest rank, as the C++ benchmarks take it.
    v = sorted(v)
    return v[min(max(math.ceil(p * len(v)), 1), len(v)) - 1]


def main():
    raiz = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    programa = os.path.join(sys.argv[1] if len(sys.argv) > 1 else os.path.join(raiz, "build"), "novaro-terminal")
    if not os.access(programa, os.X_OK):
        sys.exit(f"terminal.py: no {programa}; build the target novaro-terminal")
    teclas = int(os.environ.get("NOVARO_TECLAS", TECLAS_POR_DEFECTO))
    print(f"Key to utterance in novaro-terminal, {teclas} keys a case (µs)")
    print(f"{'':18} {'p50':>8} {'p99':>8} {'max':>8}")
    for nombre, antes, tecla, entre in CASOS:
        with tempfile.TemporaryDirectory() as hogar:
            t = Terminal(programa, hogar)
            for b in antes:
                t.pulsar(b)
            voz = []
            for k in range(teclas):
                voz.append(t.medir(tecla(k)))
                if entre:
                    t.pulsar(entre)
            t.salir()
        print(f"{nombre:18} {percentil(voz, 0.5):8.1f} {percentil(voz, 0.99):8.1f} {max(voz):8.1f}")


if __name__ == "__main__":
    main()
