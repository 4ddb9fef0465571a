#!/usr/bin/python3
"""NOVARO as a player gets it: the Debian package and what it holds, the
installed game, and a portable copy.

  instalacion.py paquete  BUILD OUT LIBDIR  builds the .deb into OUT and checks it
                                            (LIBDIR: NOVARO's library folder under the prefix)
  instalacion.py instalada OUT              plays the game unpacked from OUT's .deb
  instalacion.py portatil BUILD             plays a copy of the build folder's game

The game is played by a player who is not root (nobody, when the test runs as
root) with a private home, under its own Xvfb, with real keys from xdotool: a
save to slot 1 through the key detector and the button menu, a new game, a
save to slot 3, a load of slot 1 and a save of it to slot 2.
"""
import ctypes
import glob
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time

ID = "io.github.novaro.Novaro"
VERSION = os.environ["NOVARO_VERSION"]


def fallo(mensaje):
    sys.exit("FALLO: " + mensaje)


# ------------------------------------------------------------------ the package

def png_lado(ruta):
    with open(ruta, "rb") as f:
        cabecera = f.read(24)
    if cabecera[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    ancho, alto = struct.unpack(">II", cabecera[16:24])
    return ancho if ancho == alto else None


def paquete(build, salida, libdir):
    shutil.rmtree(salida, ignore_errors=True)
    subprocess.run(["cpack", "--config", os.path.join(build, "CPackConfig.cmake"), "-G", "DEB", "-B", salida],
                   check=True, stdout=subprocess.DEVNULL)
    arq = subprocess.run(["dpkg", "--print-architecture"], capture_output=True, text=True,
                         check=True).stdout.strip()
    deb = os.path.join(salida, "novaro_%s_%s.deb" % (VERSION, arq))
    if not os.path.isfile(deb):
        fallo("no %s among %s" % (deb, os.listdir(salida)))

    campos = {c: subprocess.run(["dpkg-deb", "-f", deb, c], capture_output=True, text=True,
                                check=True).stdout.strip() for c in ("Package", "Version", "Section", "Depends")}
    if (campos["Package"], campos["Version"], campos["Section"]) != ("novaro", VERSION, "games"):
        fallo("control fields: %s" % campos)
    # Read from the binaries: the program's Qt Widgets, the sound library's Qt Multimedia.
    for biblioteca in ("libqt6widgets6", "libqt6multimedia6"):
        if biblioteca not in campos["Depends"]:
            fallo("Depends lacks %s: %s" % (biblioteca, campos["Depends"]))

    raiz = os.path.join(salida, "raiz")
    subprocess.run(["dpkg-deb", "-x", deb, raiz], check=True)
    archivos = sorted(os.path.relpath(os.path.join(d, f), raiz)
                      for d, _, fs in os.walk(raiz) for f in fs)
    iconos = ["usr/share/icons/hicolor/%dx%d/apps/%s.png" % (n, n, ID) for n in (32, 48, 64, 128, 256)]
    esperados = sorted(["usr/bin/novaro", "usr/%s/libnovaro_sonido.so" % libdir,
                        "usr/share/novaro/CambioTablero.wav", "usr/share/novaro/novaro_en.qm",
                        "usr/share/applications/%s.desktop" % ID,
                        "usr/share/metainfo/%s.metainfo.xml" % ID, "usr/share/man/man6/novaro.6.gz"] + iconos)
    if archivos != esperados:
        fallo("package files:\n  %s\nexpected:\n  %s" % ("\n  ".join(archivos), "\n  ".join(esperados)))
    for icono in iconos:
        lado = int(icono.split("/")[4].split("x")[0])
        if png_lado(os.path.join(raiz, icono)) != lado:
            fallo("%s is not a %d px square PNG" % (icono, lado))
    with open(os.path.join(raiz, "usr/share/novaro/CambioTablero.wav"), "rb") as f:
        if f.read(12)[8:] != b"WAVE":
            fallo("CambioTablero.wav is no wave file")
    print("%s: %d files, Depends: %s" % (os.path.basename(deb), len(archivos), campos["Depends"]))


# ------------------------------------------------------------------ the player

IN_OPEN = 0x20


class Aperturas:
    """Names of the files opened in some folders, from inotify, so the test sees
    which sound and which library the game really opened."""

    def __init__(self, carpetas):
        self.libc = ctypes.CDLL(None, use_errno=True)
        self.fd = self.libc.inotify_init1(os.O_NONBLOCK)
        self.carpetas = {}
        for c in carpetas:
            self.carpetas[self.libc.inotify_add_watch(self.fd, c.encode(), IN_OPEN)] = c
        self.vistas = set()

    def leer(self):
        try:
            datos = os.read(self.fd, 65536)
        except BlockingIOError:
            return self.vistas
        i = 0
        while i < len(datos):
            wd, _, _, largo = struct.unpack_from("iIII", datos, i)
            nombre = datos[i + 16:i + 16 + largo].rstrip(b"\0").decode()
            self.vistas.add(os.path.join(self.carpetas[wd], nombre))
            i += 16 + largo
        return self.vistas


def contenido(carpeta):
    """Every file under a folder with its size and time, to see that nothing changed."""
    return {os.path.join(d, f): (os.lstat(os.path.join(d, f)).st_size, os.lstat(os.path.join(d, f)).st_mtime_ns)
            for d, _, fs in os.walk(carpeta) for f in fs}


class Partida:
    """The game under its own Xvfb, run by the player."""

    def __init__(self, programa, trabajo, uid):
        self.programa = programa
        self.uid = uid
        self.casa = os.path.join(trabajo, "casa")
        os.makedirs(os.path.join(self.casa, "run"), mode=0o700)
        if uid != os.getuid():
            for d in (self.casa, os.path.join(self.casa, "run")):
                os.chown(d, uid, uid)
        self.xvfb = None
        self.juego = None

    def entorno(self, pantalla=None):
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("XDG_", "QT_", "DISPLAY", "WAYLAND", "DBUS", "PULSE"))}
        env.update(HOME=self.casa, XDG_RUNTIME_DIR=os.path.join(self.casa, "run"),
                   # no session bus to autolaunch, no sound server to autospawn: the game stays silent
                   DBUS_SESSION_BUS_ADDRESS="disabled:", PULSE_SERVER="unix:" + os.path.join(self.casa, "ninguno"))
        if pantalla:
            env.update(DISPLAY=pantalla, QT_QPA_PLATFORM="xcb")
        return env

    def orden(self, *argumentos):
        previa = [] if self.uid == os.getuid() else [
            "setpriv", "--reuid=%d" % self.uid, "--regid=%d" % self.uid, "--clear-groups", "--"]
        return previa + [self.programa] + list(argumentos)

    def sin_pantalla(self, *argumentos):
        return subprocess.run(self.orden(*argumentos), env=self.entorno(), capture_output=True, text=True,
                              timeout=60, umask=0o022)

    def abrir(self):
        lector, escritor = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(escritor), "-screen", "0", "1280x1024x24",
                                      "-nolisten", "tcp"], pass_fds=(escritor,),
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(escritor)
        with os.fdopen(lector) as f:
            self.pantalla = ":" + f.readline().strip()
        self.errores = tempfile.TemporaryFile(mode="w+")
        self.juego = subprocess.Popen(self.orden(), env=self.entorno(self.pantalla), umask=0o022,
                                      stdout=subprocess.DEVNULL, stderr=self.errores, start_new_session=True)
        self.ventana = self.esperar(lambda: (self.ventanas() or [None])[0], "the game's window")
        self.x("windowfocus", "--sync", self.ventana)

    def x(self, *argumentos):
        return subprocess.run(["xdotool"] + list(argumentos), env={"DISPLAY": self.pantalla, "PATH": os.defpath},
                              capture_output=True, text=True, timeout=30).stdout.split()

    def ventanas(self):
        return self.x("search", "--onlyvisible", "--pid", str(self.juego.pid))

    def esperar(self, condicion, que, segundos=20):
        limite = time.monotonic() + segundos
        while time.monotonic() < limite:
            if self.juego and self.juego.poll() is not None:
                self.errores.seek(0)
                fallo("the game ended (status %s) waiting for %s:\n%s"
                      % (self.juego.returncode, que, self.errores.read()))
            resultado = condicion()
            if resultado:
                return resultado
            time.sleep(0.1)
        fallo("no %s after %d s" % (que, segundos))

    def teclas(self, *nombres):
        """Keys one at a time, with a pause for a popup to open; a message box is a failure."""
        for nombre in nombres:
            self.x("key", nombre)
            time.sleep(0.4)
        if self.ventanas() != [self.ventana]:
            fallo("the game showed a message box after %s" % " ".join(nombres))

    def cerrar(self):
        for proceso in (self.juego, self.xvfb):
            if proceso and proceso.poll() is None:
                os.killpg(proceso.pid, 9) if proceso is self.juego else proceso.kill()
                proceso.wait()


def jugar(programa, datos, bibliotecas, partidas, intactas, trabajo, uid):
    """Plays the game at `programa` and checks where it read and wrote."""
    partida = Partida(programa, trabajo, uid)

    # The command line, on a terminal with no display.
    r = partida.sin_pantalla("--version")
    if (r.returncode, r.stdout) != (0, "novaro %s\n" % VERSION):
        fallo("--version: %d %r %r" % (r.returncode, r.stdout, r.stderr))
    r = partida.sin_pantalla("--help")
    if r.returncode != 0 or not r.stdout.startswith("Uso: ") or "Las partidas se guardan en %s\n" % partidas \
            not in r.stdout or "--version" not in r.stdout:
        fallo("--help: %d %r %r" % (r.returncode, r.stdout, r.stderr))
    for raras in (["--jugar-a-ciegas"], ["-x"], ["partida.sav"]):
        r = partida.sin_pantalla(*raras)
        if r.returncode == 0 or "Uso: " not in r.stderr or "Opciones:" not in r.stderr:
            fallo("%s: %d %r" % (raras, r.returncode, r.stderr))

    antes = {c: contenido(c) for c in intactas}
    aperturas = Aperturas([datos, bibliotecas])
    try:
        partida.abrir()
        # Three steps right from the first cell cross into the next panel: the panel sound.
        partida.teclas("Right", "Right", "Right")
        onda = os.path.join(datos, "CambioTablero.wav")
        biblioteca = os.path.join(bibliotecas, "libnovaro_sonido.so")
        partida.esperar(lambda: {onda, biblioteca} <= aperturas.leer(), "open of %s and %s" % (onda, biblioteca))

        # A slot menu leaves the focus on its button: Escape brings it back to the key detector.
        def guardar(n):
            partida.teclas("Escape", "Menu", "g", *["Down"] * n, "Return")
            ruta = os.path.join(partidas, "Novaro%d.sav" % n)
            partida.esperar(lambda: os.path.exists(ruta), ruta)
            time.sleep(0.3)
            with open(ruta, "rb") as f:
                return f.read()

        uno = guardar(1)
        partida.teclas("Escape", "Menu", "n")
        tres = guardar(3)
        partida.teclas("Escape", "Menu", "a", "Down", "Return")
        dos = guardar(2)
    finally:
        partida.cerrar()
    if uno == tres:
        fallo("the new game saved the same slot as the old one")
    if dos != uno:
        fallo("slot 1 did not load back: slot 2, saved after loading it, differs")
    if len(uno.split(b"\r\n")) != 83:
        fallo("slot 1 is not an 82-line slot file")

    carpeta = os.stat(partidas)
    if carpeta.st_uid != uid or carpeta.st_mode & 0o022:
        fallo("%s: owner %d, mode %o" % (partidas, carpeta.st_uid, carpeta.st_mode & 0o777))
    for c in intactas:
        if contenido(c) != antes[c]:
            fallo("the game wrote into %s" % c)
    print("slots in %s: %s" % (partidas, sorted(os.listdir(partidas))))


def jugador():
    return 65534 if os.getuid() == 0 else os.getuid()


def main():
    modo = sys.argv[1]
    if modo == "paquete":
        paquete(*sys.argv[2:5])
        return
    trabajo = tempfile.mkdtemp(prefix="novaro-instalacion-")
    os.chmod(trabajo, 0o755)
    uid = jugador()
    try:
        casa = os.path.join(trabajo, "casa")
        if modo == "instalada":
            # Unpacked anywhere: the program finds its files relative to itself.
            raiz = os.path.join(trabajo, "raiz")
            subprocess.run(["dpkg-deb", "-x", glob.glob(os.path.join(sys.argv[2], "novaro_*.deb"))[0], raiz],
                           check=True)
            usr = os.path.join(raiz, "usr")
            bibliotecas = glob.glob(os.path.join(usr, "lib*", "**", "novaro"), recursive=True)[0]
            jugar(os.path.join(usr, "bin", "novaro"), os.path.join(usr, "share", "novaro"), bibliotecas,
                  os.path.join(casa, ".local", "share", "novaro"), [raiz], trabajo, uid)
        else:
            # Any folder with the program and its sound beside it.
            copia = os.path.join(trabajo, "novaro")
            os.mkdir(copia)
            for f in ("novaro", "CambioTablero.wav", "libnovaro_sonido.so"):
                shutil.copy2(os.path.join(sys.argv[2], f), copia)
            os.chown(copia, uid, uid)
            jugar(os.path.join(copia, "novaro"), copia, copia, copia, [], trabajo, uid)
            if os.path.exists(os.path.join(casa, ".local")):
                fallo("a portable copy wrote into the player's data folder")
            if sorted(os.listdir(copia)) != ["CambioTablero.wav", "Novaro1.sav", "Novaro2.sav", "Novaro3.sav",
                                             "libnovaro_sonido.so", "novaro"]:
                fallo("the portable folder holds %s" % sorted(os.listdir(copia)))
    finally:
        shutil.rmtree(trabajo, ignore_errors=True)


if __name__ == "__main__":
    main()
