#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The Debian package as a player gets it: built by cpack, its fields and files checked,
unpacked away from /usr and played by a player who is not root under its own Xvfb.
usage: instalacion.py BUILD OUT LIBDIR   (LIBDIR: NOVARO's library folder under the prefix)"""
import ctypes
import os
import shutil
import struct
import subprocess as sp
import sys
import tempfile
import time

ID, VERSION = "io.github.novaro.Novaro", os.environ["NOVARO_VERSION"]
build, salida, libdir = sys.argv[1:4]
uid = 65534 if os.getuid() == 0 else os.getuid()   # nobody, when the tests run as root
raiz, casa = tempfile.mkdtemp(prefix="novaro-raiz-"), tempfile.mkdtemp(prefix="novaro-casa-")
usr, partidas = raiz + "/usr", casa + "/.local/share/novaro"
datos, bibliotecas = usr + "/share/novaro", "%s/%s" % (usr, libdir)
orden = ([] if uid == os.getuid() else ["setpriv", "--reuid=%d" % uid, "--regid=%d" % uid, "--clear-groups"])
orden.append(usr + "/bin/novaro")
# A private home; no session bus to autolaunch and no sound server to spawn: the game stays silent.
entorno = {k: v for k, v in os.environ.items() if k.endswith("SAN_OPTIONS")}
entorno.update(PATH=os.defpath, HOME=casa, XDG_RUNTIME_DIR=casa, DBUS_SESSION_BUS_ADDRESS="disabled:",
               PULSE_SERVER="unix:%s/ninguno" % casa)
abiertos = b""


def fallo(mensaje):
    sys.exit("FALLO: " + mensaje)


def archivos():
    return {os.path.relpath(os.path.join(d, f), raiz): os.lstat(os.path.join(d, f)).st_mtime_ns
            for d, _, fs in os.walk(raiz) for f in fs}


def aperturas():
    """What inotify saw opened in the installed data and library folders (events hold the names)."""
    global abiertos
    try:
        abiertos += os.read(vigia, 65536)
    except BlockingIOError:
        pass
    return abiertos


def x(*argumentos):
    return sp.run(["xdotool", *argumentos], env=entorno, capture_output=True, text=True).stdout.split()


def esperar(condicion, que):
    for _ in range(200):
        if juego.poll() is not None:
            fallo("the game ended waiting for " + que)
        if condicion():
            return
        time.sleep(0.1)
    fallo("no " + que)


def teclas(*nombres):
    for nombre in nombres:
        x("key", nombre)
        time.sleep(0.4)   # for a popup menu to open


def guardar(n):
    # A slot menu leaves the focus on its button: Escape brings it back to the key detector.
    teclas("Escape", "Menu", "g", *["Down"] * n, "Return")
    ruta = "%s/Novaro%d.sav" % (partidas, n)
    esperar(lambda: os.path.exists(ruta), ruta)   # put in place whole, by a rename
    with open(ruta, "rb") as f:
        return f.read()


try:
    os.chmod(raiz, 0o755)
    os.chown(casa, uid, uid)
    shutil.rmtree(salida, ignore_errors=True)
    sp.run(["cpack", "--config", build + "/CPackConfig.cmake", "-B", salida], check=True, stdout=sp.DEVNULL)
    arq = sp.run(["dpkg", "--print-architecture"], capture_output=True, text=True).stdout.strip()
    deb = "%s/novaro_%s_%s.deb" % (salida, VERSION, arq)
    campos = sp.run(["dpkg-deb", "-f", deb, "Section", "Depends"], capture_output=True, text=True).stdout
    # Dependencies read from the program (Qt Widgets) and from the sound library (Qt Multimedia).
    if not all(c in campos for c in ("Section: games", "libqt6widgets6", "libqt6multimedia6")):
        fallo("%s: %s" % (deb, campos))
    sp.run(["dpkg-deb", "-x", deb, raiz], check=True)
    iconos = {"usr/share/icons/hicolor/%dx%d/apps/%s.png" % (n, n, ID): n for n in (32, 48, 64, 128, 256)}
    esperados = ["usr/bin/novaro", "usr/%s/libnovaro_sonido.so" % libdir, "usr/share/novaro/CambioTablero.wav",
                 "usr/share/novaro/novaro_en.qm",
                 "usr/share/applications/%s.desktop" % ID, "usr/share/metainfo/%s.metainfo.xml" % ID,
                 "usr/share/man/man6/novaro.6.gz", *iconos]
    if sorted(archivos()) != sorted(esperados):
        fallo("the package holds %s" % sorted(archivos()))
    for icono, lado in iconos.items():
        with open(os.path.join(raiz, icono), "rb") as f:
            if struct.unpack(">II", f.read(24)[16:]) != (lado, lado):
                fallo("%s is not %d px" % (icono, lado))

    for argumentos, estado, texto in ((["--version"], 0, "novaro %s\n" % VERSION),
                                      (["--help"], 0, "Las partidas se guardan en %s\n" % partidas),
                                      (["--jugar-a-ciegas"], 1, "Uso: "), (["partida.sav"], 1, "Opciones:")):
        r = sp.run(orden + argumentos, env=entorno, capture_output=True, text=True, timeout=60)
        if r.returncode != estado or texto not in r.stdout + r.stderr:
            fallo("%s without a display: %d %r %r" % (argumentos, r.returncode, r.stdout, r.stderr))

    libc = ctypes.CDLL(None)
    vigia = libc.inotify_init1(os.O_NONBLOCK)
    for carpeta in (datos, bibliotecas):
        libc.inotify_add_watch(vigia, carpeta.encode(), 0x20)   # IN_OPEN
    antes = archivos()
    lector, escritor = os.pipe()
    xvfb = sp.Popen(["Xvfb", "-displayfd", str(escritor), "-nolisten", "tcp"], pass_fds=(escritor,), stderr=sp.DEVNULL)
    os.close(escritor)
    entorno.update(DISPLAY=":" + os.fdopen(lector).readline().strip(), QT_QPA_PLATFORM="xcb")
    juego = sp.Popen(orden, env=entorno, umask=0o022, stderr=sp.DEVNULL)
    try:
        esperar(lambda: x("search", "--onlyvisible", "--pid", str(juego.pid)), "game window")
        x("windowfocus", "--sync", x("search", "--onlyvisible", "--pid", str(juego.pid))[0])
        teclas("Right", "Right", "Right")   # into the next panel: the panel sound
        esperar(lambda: b"CambioTablero.wav" in aperturas() and b"libnovaro_sonido.so" in aperturas(),
                "open of the installed sound and sound library")
        uno = guardar(1)
        teclas("Escape", "Menu", "n")
        tres = guardar(3)
        teclas("Escape", "Menu", "a", "Down", "Return")
        if guardar(2) != uno or tres == uno:
            fallo("slot 1 did not load back into the game")
    finally:
        juego.kill()
        xvfb.kill()
    carpeta = os.stat(partidas)
    if carpeta.st_uid != uid or carpeta.st_mode & 0o022 or archivos() != antes:
        fallo("the slot folder is %o, or the game wrote into the install tree" % carpeta.st_mode)
finally:
    shutil.rmtree(raiz, ignore_errors=True)
    shutil.rmtree(casa, ignore_errors=True)
