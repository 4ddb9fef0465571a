#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The browser edition heard through Orca: the page in a real browser under the private
desktop of the Orca scenarios. A move, a digit, C and H are each heard as one utterance,
the terminal edition's words for the same keys.

    navegador_orca.py chromium|firefox SITE TERMINAL
"""
import functools
import http.server
import os
import shutil
import subprocess
import sys
import tempfile
import threading

from orca_session import normalize, run_scenario

FACIL = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79"
# Keys as xdotool names them, and the bytes a terminal sends for each.
TECLAS = [("Right", "\x1b[C"), ("Right", "\x1b[C"), ("k", "k"), ("4", "4"), ("c", "c"), ("h", "h")]

navegador, sitio, terminal = sys.argv[1:4]


class Sitio(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


servidor = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Sitio, directory=sitio))
threading.Thread(target=servidor.serve_forever, daemon=True).start()
direccion = "http://127.0.0.1:%d/?idioma=es&sudoku=%s" % (servidor.server_address[1], FACIL)

hogar = tempfile.mkdtemp(prefix="novaro-web-orca-")
entorno = {k: v for k, v in os.environ.items() if k not in ("XDG_DATA_HOME", "XDG_CONFIG_HOME")}
entorno["HOME"] = hogar
# A copy of its own keeps what it writes beside it, away from the build folder.
copia = shutil.copy(terminal, os.path.join(hogar, "novaro-terminal"))
esperado = subprocess.run([copia, "--sudoku", FACIL, "--idioma", "es"], input="".join(b for _, b in TECLAS).encode(),
                          env=entorno, capture_output=True, timeout=60, check=True).stdout.decode().split("\n")[:-1]
assert len(esperado) == len(TECLAS), esperado

perfil = os.path.join(hogar, "perfil")
os.makedirs(perfil)
if navegador == "chromium":
    # The browser's own binary: the wrapper script would hide the window's process.
    programa = ["/usr/lib/chromium/chromium", "--no-sandbox", "--no-first-run", "--no-default-browser-check",
                "--disable-features=Translate", "--force-renderer-accessibility", "--disable-gpu",
                "--user-data-dir=" + perfil, direccion]
else:
    # No first-run tab to take the focus from the page.
    with open(os.path.join(perfil, "user.js"), "w") as f:
        for clave, valor in [("browser.shell.checkDefaultBrowser", "false"),
                             ("browser.startup.homepage_override.mstone", '"ignore"'),
                             ("datareporting.policy.dataSubmissionEnabled", "false"),
                             ("toolkit.telemetry.reportingpolicy.firstRun", "false"),
                             ("browser.aboutwelcome.enabled", "false"),
                             ("trailhead.firstrun.didSeeAboutWelcome", "true")]:
            f.write('user_pref("%s", %s);\n' % (clave, valor))
    programa = ["/usr/lib/firefox-esr/firefox-esr", "--no-remote", "--profile", perfil, direccion]


def cuerpo(s):
    # The key detector has the focus from load; Orca takes its grid for focus mode.
    s.wait_for("Focus mode", since=0, timeout=30)
    s.wait_quiet(quiet=1.5, timeout=30)
    for (tecla, _), dicho in zip(TECLAS, esperado):
        m = s.mark()
        s.press(tecla)
        s.wait_for(dicho, since=m, timeout=10)
        s.wait_quiet(quiet=1.0)
        oido = [normalize(u) for u in s.spoken(m)]
        assert oido == [normalize(dicho)], "%s: heard %r, expected only %r" % (tecla, oido, dicho)


# Orca reads a loaded page aloud unless told not to, and with silent speech it never
# hears that reading end, so it would stay in browse mode for the keys.
run_scenario(cuerpo, program=programa, kept_game=True, orca_settings={"sayAllOnLoad": False},
             env={"GNOME_ACCESSIBILITY": "1", "ACCESSIBILITY_ENABLED": "1", "MOZ_ENABLE_WAYLAND": "0"})
