#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""NOVARO for Windows as a player gets it, under Wine on Xvfb: the installer run
silently, the installed game played with real keys, what it says read from Wine's
UI Automation log, a note kept in a cell, a slot saved into the player's folder and
loaded back, the same keys heard by a stand-in JAWS while it runs, the same slot loaded
by the Linux build, and the uninstaller leaving the slot alone.
usage: windows_instalador.py SETUP.exe PORTABLE.zip DESPERTAR_UIA.exe LINUX_NOVARO JAWS_SIMULADO.exe
Needs DISPLAY (an X server) and WINEPREFIX (a prefix made with wineboot)."""
import os
import pwd
import re
import select
import shutil
import subprocess as sp
import sys
import tempfile
import time
import zipfile

from orca_session import EXIT_FAILED, EXIT_OK, _end_tree

setup, portatil, despertar, linux, jaws_simulado = sys.argv[1:6]
prefijo = os.environ["WINEPREFIX"]
unidad = prefijo + "/drive_c"
programa = unidad + "/Program Files/NOVARO"
PROGRAMA_WIN = r"C:\Program Files\NOVARO"
acceso = unidad + "/ProgramData/Microsoft/Windows/Start Menu/Programs/NOVARO.lnk"
partidas = unidad + "/users/%s/AppData/Roaming/novaro" % pwd.getpwuid(os.getuid()).pw_name
CLAVE = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\NOVARO"
# What the installer puts in Program Files beyond the portable folder.
SOLO_INSTALADO = {"instalado.txt", "desinstalar.exe"}
# Wine writes each UI Automation notification Qt raises as one FIXME line.
AVISO = re.compile(r'UiaRaiseNotificationEvent \(\w+, (\d+), (\d+), L"((?:[^"\\]|\\.)*)", L"')
ESCAPE = re.compile(r'\\([nrt"\\]|[0-9a-f]{4})')
OTHER, IMPORTANT_ALL = "4", "0"   # NotificationKind_Other, NotificationProcessing_ImportantAll
ESCRIBIR = "5"
NEGADO = "Modo escritura no disponible. Valor original bajo el cursor.   "


def fallo(mensaje):
    print("FAIL: " + mensaje, file=sys.stderr)
    sys.exit(EXIT_FAILED)


def wine(*argumentos, **opciones):
    return sp.run(["wine", *argumentos], capture_output=True, text=True, errors="replace", **opciones)


def esperar(condicion, que, timeout=30.0):
    limite = time.monotonic() + timeout
    while not condicion():
        if time.monotonic() > limite:
            fallo("no " + que)
        time.sleep(0.1)


def registrada():
    return wine("reg", "query", CLAVE, "/v", "UninstallString").returncode == 0


def ficheros(carpeta):
    return {os.path.relpath(os.path.join(d, f), carpeta).replace(os.sep, "/")
            for d, _, fs in os.walk(carpeta) for f in fs}


def ventana(pid=None):
    orden = ["xdotool", "search", "--onlyvisible"] + (["--pid", str(pid)] if pid else ["--name", "^NOVARO$"])
    ids = sp.run(orden, capture_output=True, text=True).stdout.split()
    return ids[0] if ids else None


def teclas(*nombres):
    for nombre in nombres:
        sp.run(["xdotool", "key", nombre], check=True)
        time.sleep(0.4)   # for a popup menu to open


def descifrar(texto):
    cambio = {"n": "\n", "r": "\r", "t": "\t", '"': '"', "\\": "\\"}
    return ESCAPE.sub(lambda m: cambio.get(m.group(1)) or chr(int(m.group(1), 16)), texto)


def avisos(registro):
    with open(registro, errors="replace") as f:
        return [(m.group(1), m.group(2), descifrar(m.group(3))) for m in AVISO.finditer(f.read())]


def decir(registro, tecla, cuantos=1):
    """Press a key and return the notifications it raised, once they stop coming."""
    antes = len(avisos(registro))
    teclas(tecla)
    esperar(lambda: len(avisos(registro)) >= antes + cuantos, "notification for " + tecla, 10)
    time.sleep(0.3)
    return avisos(registro)[antes:]


class Jaws:
    """The stand-in JAWS: while it runs, FreedomSci.JawsApi logs every call it gets."""

    def __init__(self):
        self.registro = tempfile.mktemp(prefix="novaro-jaws-", suffix=".log")
        self.proceso = None

    def arrancar(self):
        self.proceso = sp.Popen(["wine", jaws_simulado, "Z:" + self.registro.replace("/", "\\")],
                                stdout=sp.PIPE, stderr=sp.DEVNULL, text=True, start_new_session=True)
        listo = select.select([self.proceso.stdout], [], [], 30)[0]
        if not listo or self.proceso.stdout.readline().strip() != "listo":
            fallo("the stand-in JAWS did not start")

    def parar(self):
        if wine(jaws_simulado, "/parar", timeout=30).returncode != 0:
            fallo("the stand-in JAWS did not close")
        self.proceso.wait(timeout=20)
        self.proceso = None

    def llamadas(self, metodo):
        """(flush, text) of each call of one method, in order."""
        if not os.path.exists(self.registro):
            return []
        with open(self.registro, encoding="utf-8") as f:
            partes = [linea.rstrip("\n").split("\t", 2) for linea in f]
        return [(flush, descifrar(texto)) for m, flush, texto in partes if m == metodo]


def leer_ranura(ruta, notas=0):
    """The 82 designed lines, read as they are designed; `notas` lines more may follow."""
    with open(ruta, "rb") as f:
        datos = f.read()
    lineas = datos.split(b"\r\n")
    if len(lineas) != 83 + notas or lineas[-1] != b"" or b"\n" in datos.replace(b"\r\n", b""):
        fallo("%s is not %d lines each ending in CR LF" % (ruta, 82 + notas))
    celdas = [linea.decode("cp1252").split(",") for linea in lineas[1:82]]
    return datos, [(c[1] == "#TRUE#", c[2] == "#TRUE#", c[3].strip('"')) for c in celdas]


def notas(registro):
    """L, a note in the next empty cell, a move away and back: the cell and its note are
    one notification. Returns the cell."""
    for tecla, esperado in (("l", "Notas activadas"), ("s", None), ("3", "Añadido el 3: nota 3")):
        dicho = decir(registro, tecla)
        if len(dicho) != 1 or esperado not in (None, dicho[0][2]):
            fallo("%s said %r" % (tecla, dicho))
        if tecla == "s":
            fila, columna = (int(n) - 1 for n in re.match(r"Fila (\d), columna (\d),", dicho[0][2]).groups())
    decir(registro, "Left" if columna else "Right")
    dicho = decir(registro, "Right" if columna else "Left")
    if [t for _, _, t in dicho] != ["vacía, nota 3"]:
        fallo("back on the noted cell: %r" % dicho)
    return fila * 9 + columna


def pronunciar(linea):
    return " ".join("vacía" if p == "-" else "vacía." if p == "-." else p for p in linea.split(" "))


def al_entrar(celdas, i):
    """What a move onto cell i says: a one-character text without its blanks, a longer one whole."""
    t = celdas[i][2].strip(" ")
    return pronunciar(celdas[i][2] if len(t) > 1 else t)


def texto_columna(celdas, c):
    return pronunciar("".join(celdas[r * 9 + c][2].strip(" ") + " " + ("P " if celdas[r * 9 + c][1] else "")
                              for r in range(9)))


def abrir(registro, *argumentos):
    """The installed game, its Wine log (with the UI Automation notifications) in registro."""
    entorno = dict(os.environ, WINEDEBUG="fixme+uiautomation")
    with open(registro, "w") as salida:
        return sp.Popen(["wine", PROGRAMA_WIN + r"\novaro.exe", "--idioma", "es", *argumentos], env=entorno,
                        stdout=sp.DEVNULL, stderr=salida, start_new_session=True)


def atender():
    """Asks the game's window for UI Automation, as a screen reader does on start, and focuses it."""
    if wine(despertar, "NOVARO", timeout=30).returncode != 0:
        fallo("the game's window did not answer WM_GETOBJECT")
    sp.run(["xdotool", "windowfocus", "--sync", ventana()], check=True)
    time.sleep(0.5)


def instalar():
    if wine(setup, "/S", timeout=120).returncode != 0:
        fallo("the silent install failed")
    esperados = ficheros_portatiles | SOLO_INSTALADO
    if ficheros(programa) != esperados:
        fallo("Program Files holds %s, not %s" % (sorted(ficheros(programa)), sorted(esperados)))
    if not os.path.exists(acceso) or not registrada():
        fallo("no Start-menu entry or no uninstaller among the installed programs")


def jugar():
    registro = tempfile.mktemp(prefix="novaro-wine-", suffix=".log")
    juego = abrir(registro)
    try:
        esperar(lambda: ventana() is not None, "game window")
        if avisos(registro):
            fallo("notifications before any UI Automation request: %r" % avisos(registro))
        atender()

        # Six moves, the column, a jump to an empty cell, and a digit written there.
        oido = []
        for tecla in ["Right"] * 3 + ["Down"] * 3 + ["c", "s", "Return", ESCRIBIR, "Return"]:
            dicho = decir(registro, tecla)
            if len(dicho) != 1:
                fallo("%s raised %d notifications: %r" % (tecla, len(dicho), dicho))
            oido += dicho
        for clase, proceso, texto in oido:
            if (clase, proceso) != (OTHER, IMPORTANT_ALL):
                fallo("%r raised as kind %s, processing %s" % (texto, clase, proceso))
        textos = [t for _, _, t in oido]
        anotada = notas(registro)

        # Slot 1 from the Applications key's popup: "&Guardar partida", then "Partida 1".
        ranura = partidas + "/Novaro1.sav"
        teclas("Escape", "Menu", "g", "Down", "Return")
        esperar(lambda: os.path.exists(ranura), ranura)
        time.sleep(0.3)
        if os.path.exists(programa + "/Novaro1.sav"):
            fallo("a slot was written under Program Files")
        datos, celdas = leer_ranura(ranura, notas=10)
        if datos.split(b"\r\n")[83 + anotada // 9].split(b",")[anotada % 9] != b"3":
            fallo("the slot does not hold the note")
        escritas = [k for k, (dada, _, texto) in enumerate(celdas) if not dada and texto != "-"]
        if len(escritas) != 1 or celdas[escritas[0]][2] != ESCRIBIR:
            fallo("the slot does not hold our one digit: %r" % escritas)
        k = escritas[0]
        antes = [(d, p, "-" if i == k else t) for i, (d, p, t) in enumerate(celdas)]
        esperado = [al_entrar(antes, i) for i in (1, 2, 3, 12, 21, 30)] + [texto_columna(antes, 3)]
        if textos[:7] != esperado:
            fallo("heard %r, the board says %r" % (textos[:7], esperado))
        if textos[8:] != ["Modo escritura activado", ESCRIBIR, "Modo escritura desactivado "]:
            fallo("write mode said %r" % textos[8:])

        # A new game, then slot 1 again: the digit is back where it was written.
        teclas("Escape", "Menu")
        if "Nuevo juego" not in [t for _, _, t in decir(registro, "n")]:
            fallo("no new game from the popup's Nuevo")
        teclas("Menu", "a", "Down", "Return", "Escape")
        fila, columna = divmod(k, 9)
        teclas(*["Right"] * columna, *["Down"] * fila)
        if [t for _, _, t in decir(registro, "v")] != [ESCRIBIR]:
            fallo("after loading slot 1 the cell does not say %s" % ESCRIBIR)
        teclas("Menu", "s")
        juego.wait(timeout=20)
        print("heard, in order: %r" % textos)
        return datos
    finally:
        _end_tree(juego)
        print("game's log: %s" % registro)


def recuperada(registro):
    """The installed game started again: the kept game said once, as it is focused."""
    juego = abrir(registro)
    esperar(lambda: ventana() is not None, "game window")
    atender()
    esperar(lambda: avisos(registro), "notification at the first focus", 10)
    time.sleep(0.5)
    if [t for _, _, t in avisos(registro)] != ["Partida recuperada"]:
        fallo("the start with a kept game said %r" % avisos(registro))
    return juego


def conservada(datos):
    """K and a digit in one key, the game ended by taskkill /F and started again: it comes back,
    and the slot saved earlier is as it was."""
    registro = tempfile.mktemp(prefix="novaro-wine-", suffix=".log")
    juego = recuperada(registro)
    try:
        # Notes mode came back on with the game: the digit keys would note.
        if [t for _, _, t in decir(registro, "l")] != ["Notas desactivadas"]:
            fallo("notes mode was not kept on from the last run")
        if [t for _, _, t in decir(registro, "k")] != ["Escritura directa activada"]:
            fallo("K did not switch direct entry on")
        decir(registro, "s")
        dicho = decir(registro, "4")
        if [t for _, _, t in dicho] != ["4"]:
            fallo("a direct digit raised %r, not one notification '4'" % dicho)
        time.sleep(2.5)   # the cursor is kept within two seconds; the digit at once
        wine("taskkill", "/F", "/IM", "novaro.exe", timeout=30)
        juego.wait(timeout=20)
    finally:
        _end_tree(juego)
    registro = tempfile.mktemp(prefix="novaro-wine-", suffix=".log")
    juego = recuperada(registro)
    try:
        if [t for _, _, t in decir(registro, "v")] != ["4"]:
            fallo("after taskkill /F the cursor's cell is not the 4 written")
        if [t for _, _, t in decir(registro, "b")] != ["Dificultad: Sencillo"]:
            fallo("B did not choose Sencillo in one notification")
        decir(registro, "Menu")
        nuevo = [t for _, _, t in decir(registro, "n")]
        if len([t for t in nuevo if t.startswith("Sudoku ")]) != 1 or not re.match(r"Sudoku Sencillo, \d+ números dados$", nuevo[-1]):
            fallo("a new game of a difficulty raised %r, not one notification" % nuevo)
        teclas("Menu", "s")
        juego.wait(timeout=20)
    finally:
        _end_tree(juego)
    with open(partidas + "/Novaro1.sav", "rb") as f:
        if f.read() != datos:
            fallo("the kept game touched slot 1")
    print("kept game: K and a digit as one notification, back after taskkill /F; B and a Sencillo game heard once")


def ronda(registro, jaws, teclas_ronda):
    """Plays the keys, each waited for on the way it should be heard; returns the notifications,
    the SayString calls and the braille lines they gave."""
    antes = len(avisos(registro)), len(jaws.llamadas("SayString")), len(jaws.llamadas("RunFunction"))
    for tecla in teclas_ronda:
        if jaws.proceso:
            n = len(jaws.llamadas("SayString"))
            teclas(tecla)
            esperar(lambda: len(jaws.llamadas("SayString")) > n, "SayString for " + tecla, 10)
        else:
            decir(registro, tecla)
    time.sleep(0.3)
    return (avisos(registro)[antes[0]:], jaws.llamadas("SayString")[antes[1]:],
            [t for _, t in jaws.llamadas("RunFunction")[antes[2]:]])


def con_jaws(jaws):
    """Slot 1 played while the stand-in JAWS runs, after it stops, and once it is back."""
    datos, celdas = leer_ranura(partidas + "/Novaro1.sav", notas=10)
    anotadas = {r * 9 + c for r, linea in enumerate(datos.split(b"\r\n")[83:92])
                for c, nota in enumerate(linea.split(b",")) if nota}
    # Each round starts and ends on a given cell, where Enter is refused in words and leaves the
    # board and write mode as they were, so every round says the same; the cells it crosses
    # hold no notes, which a move would add to what it says.
    def sentido(i):
        return (1, "Right", "Left") if i % 9 <= 5 else (-1, "Left", "Right")

    dada = next(i for i, (d, _, _) in enumerate(celdas)
                if d and not anotadas & {i + sentido(i)[0] * n for n in (1, 2, 3)})
    fila, col = divmod(dada, 9)
    paso, ida, vuelta = sentido(dada)
    pulsadas = [ida] * 3 + [vuelta] * 3 + ["c", "Return"]
    esperado = [al_entrar(celdas, dada + paso * n) for n in (1, 2, 3, 2, 1, 0)]
    esperado += [texto_columna(celdas, col), NEGADO]
    braille = ['BrailleString("%s")' % t.replace("\\", "\\\\").replace('"', "'") for t in esperado]

    def por_jaws(cuando, dicho):
        notificaciones, llamadas, lineas = dicho
        if notificaciones:
            fallo("%s, UI Automation notifications beside JAWS: %r" % (cuando, notificaciones))
        if llamadas != [("1", t) for t in esperado]:
            fallo("%s, JAWS was told %r, not %r with flush" % (cuando, llamadas, esperado))
        if lineas != braille:
            fallo("%s, JAWS's braille got %r, not %r" % (cuando, lineas, braille))

    registro = tempfile.mktemp(prefix="novaro-wine-", suffix=".log")
    jaws.arrancar()
    juego = abrir(registro, "--nueva")   # the cursor on the first cell, whatever was kept
    try:
        esperar(lambda: ventana() is not None, "game window")
        atender()
        teclas("Menu", "a", "Down", "Return", "Escape")
        esperar(lambda: ("1", "Partida cargada del lugar 1") in jaws.llamadas("SayString"), "slot 1 loaded")
        ronda(registro, jaws, ["Right"] * col + ["Down"] * fila)
        por_jaws("with JAWS running", ronda(registro, jaws, pulsadas))

        jaws.parar()
        notificaciones, llamadas, _ = ronda(registro, jaws, pulsadas)
        if llamadas:
            fallo("JAWS, stopped, was told %r" % llamadas)
        if notificaciones != [(OTHER, IMPORTANT_ALL, t) for t in esperado]:
            fallo("with JAWS stopped, notified %r, not %r" % (notificaciones, esperado))

        jaws.arrancar()
        por_jaws("with JAWS started during the game", ronda(registro, jaws, pulsadas))
        teclas("Menu", "s")
        juego.wait(timeout=20)
        print("heard by JAWS, each round: %r" % esperado)
    finally:
        _end_tree(juego)
        if jaws.proceso:
            jaws.parar()
        print("game's log: %s; JAWS's log: %s" % (registro, jaws.registro))


def en_linux(datos):
    """The Windows slot, beside a portable Linux copy: loaded, then saved again unchanged."""
    carpeta = tempfile.mkdtemp(prefix="novaro-linux-")
    shutil.copy(linux, carpeta)
    shutil.copy(os.path.join(os.path.dirname(linux), "CambioTablero.wav"), carpeta)
    with open(carpeta + "/Novaro1.sav", "wb") as f:
        f.write(datos)
    entorno = dict(os.environ, HOME=carpeta, QT_QPA_PLATFORM="xcb", DBUS_SESSION_BUS_ADDRESS="disabled:")
    juego = sp.Popen([carpeta + "/novaro", "--idioma", "es"], env=entorno, stdout=sp.DEVNULL, stderr=sp.DEVNULL,
                     start_new_session=True)
    try:
        esperar(lambda: ventana(juego.pid) is not None, "Linux game window")
        sp.run(["xdotool", "windowfocus", "--sync", ventana(juego.pid)], check=True)
        time.sleep(0.5)
        teclas("Menu", "a", "Down", "Return", "Escape", "Menu", "g", "Down", "Down", "Return")
        esperar(lambda: os.path.exists(carpeta + "/Novaro2.sav"), "slot 2 saved on Linux", 10)
        time.sleep(0.3)
        with open(carpeta + "/Novaro2.sav", "rb") as f:
            if f.read() != datos:
                fallo("the Linux game did not load the Windows slot as it was")
    finally:
        _end_tree(juego)
        shutil.rmtree(carpeta)


def desinstalar():
    # The uninstaller runs from a copy of itself in the temporary folder, and returns at once.
    wine(PROGRAMA_WIN + r"\desinstalar.exe", "/S", timeout=60)
    esperar(lambda: not os.path.exists(programa), "uninstall of %s" % programa, 60)
    if os.path.exists(acceso) or registrada():
        fallo("the Start-menu entry or the uninstaller's registry key is still there")
    if not os.path.exists(partidas + "/Novaro1.sav"):
        fallo("the uninstaller took the player's slot")


with zipfile.ZipFile(portatil) as z:
    nombres = [n for n in z.namelist() if not n.endswith("/")]
raiz = os.path.commonpath(nombres)
ficheros_portatiles = {os.path.relpath(n, raiz) for n in nombres}
for falta in ("novaro.exe", "CambioTablero.wav", "platforms/qwindows.dll", "Qt6Widgets.dll", "novaro_en.qm"):
    if falta not in ficheros_portatiles:
        fallo("the portable archive lacks " + falta)
if ficheros_portatiles & SOLO_INSTALADO:
    fallo("the portable archive carries the installer's mark")

instalar()
datos = jugar()
conservada(datos)
con_jaws(Jaws())
en_linux(datos)
desinstalar()
print("PASS")
sys.exit(EXIT_OK)
