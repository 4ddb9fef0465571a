#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The Debian package as a player gets it: built by dpkg-buildpackage from a copy of the sources,
judged by lintian and hardening-check, installed with apt, played by a player who is not root
under its own Xvfb, then purged. Needs root, for apt.
usage: instalacion.py SOURCE_DIR"""
import ctypes
import fcntl
import os
import re
import shlex
import shutil
import struct
import subprocess as sp
import sys
import tempfile
import time

ID, VERSION = "io.github.novaro.Novaro", os.environ["NOVARO_VERSION"]
fuentes = sys.argv[1]
if os.getuid() != 0:
    print("installing a package needs root: skipped")
    sys.exit(77)
uid = 65534   # nobody
trabajo, casa = tempfile.mkdtemp(prefix="novaro-paquete-"), tempfile.mkdtemp(prefix="novaro-casa-")
partidas, copia = casa + "/.local/share/novaro", trabajo + "/novaro"
triplete = sp.run(["dpkg-architecture", "-qDEB_HOST_MULTIARCH"], capture_output=True, text=True).stdout.strip()
datos, bibliotecas = "/usr/share/novaro", "/usr/lib/%s/novaro" % triplete
jugador = ["setpriv", "--reuid=%d" % uid, "--regid=%d" % uid, "--clear-groups"]
# A private home; no session bus to autolaunch and no sound server to spawn: the game stays silent.
entorno = {k: v for k, v in os.environ.items() if k.endswith("SAN_OPTIONS")}
entorno.update(PATH=os.defpath, HOME=casa, XDG_RUNTIME_DIR=casa, DBUS_SESSION_BUS_ADDRESS="disabled:",
               PULSE_SERVER="unix:%s/ninguno" % casa)
apt = ["apt-get", "-y", "-q", "-o", "DPkg::Lock::Timeout=600"]
abiertos, instalado = b"", False


def fallo(mensaje):
    sys.exit("FALLO: " + mensaje)


def archivos():
    """The package's files and whatever is in NOVARO's own folders, with their times."""
    nuestros = {os.path.join(d, f) for c in (datos, bibliotecas) for d, _, fs in os.walk(c) for f in fs}
    return {f: os.lstat(f).st_mtime_ns for f in nuestros | set(instalados)}


def salida(*orden, **opciones):
    r = sp.run(orden, capture_output=True, text=True, **opciones)
    return r.returncode, r.stdout + r.stderr


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
    os.chmod(trabajo, 0o755)
    os.chown(casa, uid, uid)
    # What a clean clone holds: the files git knows or, in a copy without git, all but the build folders.
    git = shutil.which("git") and sp.run(["git", "-C", fuentes, "rev-parse"], capture_output=True).returncode == 0
    lista = "git ls-files -co --exclude-standard -z" if git else "find . -path './build*' -prune -o -type f -print0"
    os.mkdir(copia)
    sp.run("%s | tar --null -T - -cf - | tar -xf - -C %s" % (lista, shlex.quote(copia)), shell=True, cwd=fuentes, check=True)
    control = open(copia + "/debian/control").read()
    construir = re.search(r"^Build-Depends:(.*?)^\S", control, re.M | re.S).group(1)
    construir = {p.split()[0] for p in construir.split(",") if p.strip()} - {"debhelper-compat"}
    setup = re.search(r"^build=\((.*?)\)", open(copia + "/scripts/setup.sh").read(), re.M).group(1).split()
    if construir != set(setup):
        fallo("Build-Depends %s, setup.sh builds with %s" % (sorted(construir), sorted(setup)))
    inicio = time.monotonic()
    with open(trabajo + "/construccion.log", "w") as registro:
        r = sp.run(["nice", "-n", "10", "dpkg-buildpackage", "-us", "-uc", "-b"], cwd=copia, stdout=registro,
                   stderr=sp.STDOUT, env=dict(os.environ, DEB_BUILD_OPTIONS="parallel=2"))
    if r.returncode:
        fallo("dpkg-buildpackage:\n" + "".join(open(trabajo + "/construccion.log").readlines()[-40:]))
    print("dpkg-buildpackage took %.0f s" % (time.monotonic() - inicio))
    arq = salida("dpkg", "--print-architecture")[1].strip()
    deb = "%s/novaro_%s_%s.deb" % (trabajo, VERSION, arq)   # debian/changelog gives the project's version
    campos = salida("dpkg-deb", "-f", deb, "Section", "Depends")[1]
    # Dependencies read from the program (Qt Widgets) and from the sound library (Qt Multimedia).
    if not all(c in campos for c in ("Section: games", "libqt6widgets6", "libqt6multimedia6")):
        fallo("%s: %s" % (deb, campos))
    estado, informe = salida(*jugador, "lintian", "-I", "--pedantic", deb, cwd=casa,
                             env={"PATH": os.defpath, "HOME": casa, "LANG": "C.UTF-8"})
    print("lintian:\n" + informe)
    if estado or re.search(r"^[EW]: ", informe, re.M):
        fallo("lintian has errors or warnings")

    # One test at a time installs the game on this system; the lock goes with the process.
    cerrojo = open("/tmp/novaro-instalacion.lock", "w")
    fcntl.flock(cerrojo, fcntl.LOCK_EX)
    instalado = True
    sp.run([*apt, "install", deb], check=True, stdout=sp.DEVNULL, env=dict(os.environ, DEBIAN_FRONTEND="noninteractive"))
    instalados = sorted(f for f in salida("dpkg", "-L", "novaro")[1].split("\n") if os.path.isfile(f))
    iconos = {"/usr/share/icons/hicolor/%dx%d/apps/%s.png" % (n, n, ID): n for n in (32, 48, 64, 128, 256)}
    escritorio, metainfo = "/usr/share/applications/%s.desktop" % ID, "/usr/share/metainfo/%s.metainfo.xml" % ID
    esperados = ["/usr/games/novaro", "/usr/games/novaro-terminal", "/usr/share/man/man6/novaro-terminal.6.gz",
                 bibliotecas + "/libnovaro_sonido.so", datos + "/CambioTablero.wav",
                 datos + "/novaro_en.qm", escritorio, metainfo, "/usr/share/man/man6/novaro.6.gz",
                 "/usr/share/doc/novaro/copyright", "/usr/share/doc/novaro/changelog.gz", *iconos]
    if instalados != sorted(esperados):
        fallo("the package installed %s" % instalados)
    for icono, lado in iconos.items():
        with open(icono, "rb") as f:
            if struct.unpack(">II", f.read(24)[16:]) != (lado, lado):
                fallo("%s is not %d px" % (icono, lado))
    for validador in (["desktop-file-validate", escritorio], ["appstreamcli", "validate", "--no-net", metainfo]):
        estado, informe = salida(*validador)
        if estado:
            fallo(informe)
    if "<project_license>GPL-3.0-or-later</project_license>" not in open(metainfo).read():
        fallo("the metainfo names no licence")
    # The desktop entry starts the game where Debian keeps games.
    programa = re.search(r"^Exec=(\S+)", open(escritorio).read(), re.M).group(1)
    if programa != "/usr/games/novaro":
        fallo("the desktop entry starts " + programa)
    orden = jugador + [programa]
    # The five protections Debian's flags give on every release. Control-flow protection is
    # left out: on Debian 13 hardening-check misses it although the flags carry it (not yet
    # understood), and it is printed all the same.
    # Branch protection is an arm64 one; Debian 13's hardening-check asks for it on amd64 too.
    sin = ["--nocfprotection"] + (["--nobranchprotection"]
                                  if "nobranchprotection" in salida("hardening-check", "--help")[1] else [])
    estado, informe = salida("hardening-check", *sin, programa)
    print(informe)
    if estado:
        fallo("hardening-check")

    for argumentos, estado, texto in ((["--version"], 0, "novaro %s\nCopyright (C) " % VERSION),
                                      (["--version"], 0, "GNU GPL"),
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
    # The terminal edition beside it: no Qt at all, and the window's slots in the same folder.
    terminal = "/usr/games/novaro-terminal"
    if "Qt" in salida("ldd", terminal)[1]:
        fallo("novaro-terminal links Qt")
    estado, informe = salida("hardening-check", *sin, terminal)
    if estado:
        fallo("hardening-check of the terminal edition: " + informe)
    # F6 and 1 load the window's slot 1; F5 and 5 save it again.
    r = sp.run(jugador + [terminal], input=b"\x1b[17~1\x1b[15~5", env=entorno, capture_output=True, timeout=60)
    if r.returncode != 0 or "Partida cargada del lugar 1" not in r.stdout.decode():
        fallo("the terminal edition did not load slot 1: %r %r" % (r.stdout, r.stderr))
    with open(os.path.join(partidas, "Novaro5.sav"), "rb") as f:
        if f.read() != uno:
            fallo("slot 1 saved again by the terminal edition is not the window's, byte for byte")
    carpeta = os.stat(partidas)
    if carpeta.st_uid != uid or carpeta.st_mode & 0o022 or archivos() != antes:
        fallo("the slot folder is %o, or the game wrote into the install tree" % carpeta.st_mode)

    sp.run([*apt, "purge", "novaro"], check=True, stdout=sp.DEVNULL)
    instalado = False
    restos = [f for f in instalados + [datos, bibliotecas, "/usr/share/doc/novaro"] if os.path.lexists(f)]
    if restos or salida("dpkg", "-s", "novaro")[0] == 0:
        fallo("purge left %s" % restos)
finally:
    if instalado:
        sp.run([*apt, "purge", "novaro"], stdout=sp.DEVNULL)
    shutil.rmtree(trabajo, ignore_errors=True)
    shutil.rmtree(casa, ignore_errors=True)
