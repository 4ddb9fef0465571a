# SPDX-License-Identifier: GPL-3.0-or-later
"""Run a Qt program under a private, headless desktop with the Orca screen reader
and read back what Orca sent to speech.

One session owns: Xvfb, a D-Bus session bus, the AT-SPI bus, a silent
speech-dispatcher, Orca with private settings, and the program itself. Everything
lives in a fresh temporary directory with its own HOME and XDG dirs, so nothing of
the user's desktop is touched, and it works as root with no display or sound.

    with OrcaSession(["./build/novaro"], faketime="2024-05-01 10:20:30") as s:
        m = s.mark()
        s.press("o")
        s.wait_for("Aviso de número original activado", since=m)

Needs the system python3 (Orca and its speech client live there), Xvfb, xdotool,
dbus-daemon, at-spi2-core, orca, speech-dispatcher and, for a fixed clock, libfaketime
(preloaded into the program, never through the faketime wrapper).
"""

import fcntl
import glob
import json
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))

# Exit codes shared by the command-line tools and the scenarios.
EXIT_OK = 0
EXIT_FAILED = 1          # the program did not say what a scenario expected
EXIT_NO_ORCA = 2         # Orca did not start
EXIT_NO_WINDOW = 3       # the program showed no window
EXIT_ORCA_BUSY = 4       # another Orca of this user is running (Orca runs once per user)
EXIT_MISSING_TOOL = 77   # a needed program is not installed (ctest SKIP_RETURN_CODE)

TOOLS = ["Xvfb", "xdotool", "dbus-daemon", "dbus-send", "orca", "speech-dispatcher"]
ATSPI_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
# Serialises our own sessions; Orca itself refuses a second instance per user.
LOCK_FILE = os.path.join(tempfile.gettempdir(), "novaro-e2e-orca-%d.lock" % os.getuid())


class SessionError(Exception):
    exit_code = EXIT_FAILED


class OrcaNotStarted(SessionError):
    exit_code = EXIT_NO_ORCA


class OrcaBusy(SessionError):
    exit_code = EXIT_ORCA_BUSY


class WindowNotFound(SessionError):
    exit_code = EXIT_NO_WINDOW


class MissingTool(SessionError):
    exit_code = EXIT_MISSING_TOOL


class SpeechTimeout(SessionError):
    """Orca did not speak the expected text in time; `heard` is what it did say."""

    def __init__(self, expected, heard, timeout, queue=""):
        self.expected, self.heard = expected, heard
        lines = "\n".join("  SPOKEN: %s" % u for u in heard) or "  (nothing)"
        super().__init__("expected %r within %.1f s; Orca said:\n%s%s" % (expected, timeout, lines, queue))


def normalize(text):
    """Orca adds a full stop to some utterances ("1 o 2" -> "1 o 2.") and keeps blanks
    as given; compare without outer blanks and without one final stop."""
    text = text.strip()
    return text[:-1].rstrip() if text.endswith(".") else text


def faketime_library():
    for path in sorted(glob.glob("/usr/lib/*/faketime/libfaketime.so.1")):
        return path
    return None


def missing_tools(faketime=False):
    missing = [t for t in TOOLS if shutil.which(t) is None]
    if not os.access(ATSPI_LAUNCHER, os.X_OK):
        missing.append(ATSPI_LAUNCHER)
    if faketime and faketime_library() is None:
        missing.append("libfaketime.so.1 (package libfaketime)")
    return missing


# Orca (43 and 48 alike) records each utterance in its debug file as a line
# "hh:mm:ss.ffffff - SPEECH OUTPUT: 'text'" followed by the voice; a text with line
# breaks goes on over lines indented by 18 blanks.
_DEBUG_RECORD = re.compile(r"^\d\d:\d\d:\d\d\.\d+ - ")
_SPEECH_RECORD = re.compile(r"^SPEECH OUTPUT: '(.*?)'(?: voice=\w+)?\s*(?:\{.*\}|ACSS.*)?$", re.S)
# Each line Orca puts on the braille display, with a display or without one.
_BRAILLE_RECORD = re.compile(r"^BRAILLE LINE:  '(.*)'$", re.S)
# Orca 48's wordings, in Orca 43's form the scenarios expect: "button" for "push
# button", and a value with its state in one utterance ("7 selected.").
_BUTTON = re.compile(r"(?<!push )\bbutton\b")
_VALUE_SELECTED = re.compile(r"^(.*\S) (selected)\.?$", re.S)


def as_orca43(text):
    """One utterance as Orca 43 would have said it: one or more utterances."""
    text = _BUTTON.sub("push button", text)
    m = _VALUE_SELECTED.match(text)
    return [m.group(1), m.group(2)] if m else [text]
# Role words a game utterance must never carry.
ROLE_WORDS = re.compile(r"\b(?:notification|notificación)\b", re.I)


class OrcaSession:
    """A headless desktop with Orca and one program; see the module docstring.

    program: argv list of the program to run.
    faketime: None, or a local time "YYYY-MM-DD hh:mm:ss" the program's wall clock is
        frozen at (its timers keep running), so a clock-seeded game deals the same board.
    key_delay_ms: pause between keys typed by one press() call.
    key_echo: keep Orca's key echo (it then speaks each key name too).
    orca_settings: extra Orca "general" settings, e.g. {"verbalizePunctuationStyle": 3}.
    env: extra environment for the program.
    keep: keep the work directory (logs) after close; it is kept anyway on a start failure.
    kept_game: start from the game the last run kept beside the program; by default that
        file goes first, so every scenario has the start of a game never played before.
    """

    def __init__(self, program, faketime=None, key_delay_ms=150, key_echo=False,
                 orca_settings=None, env=None, keep=False, lock_timeout=600, kept_game=False):
        self.program = list(program)
        self.faketime = faketime
        self.key_delay_ms = key_delay_ms
        self.key_echo = key_echo
        self.orca_settings = dict(orca_settings or {})
        self.program_env = dict(env or {})
        self.keep = keep or os.environ.get("E2E_KEEP") == "1"
        self.lock_timeout = lock_timeout
        self.kept_game = kept_game
        self.work = None
        self.window = None
        self.initial = []
        self._procs = []        # (name, Popen) in start order
        self._lock = None
        self._env = None
        self._program_proc = None
        self._start_index = 0

    # ---- life cycle -------------------------------------------------------------------

    def __enter__(self):
        self.start()
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def start(self):
        missing = missing_tools(self.faketime is not None)
        if missing:
            raise MissingTool("missing: " + ", ".join(missing))
        self._take_lock()
        try:
            self.work = tempfile.mkdtemp(prefix="novaro-e2e-")
            self._prepare_home()
            self._start_xvfb()
            self._start_dbus()
            self._start_atspi()
            self._start_speech_server()
            self._start_orca()
            if not self.kept_game:
                forget_kept_game(self.program[0])
            self._start_program()
        except BaseException:
            self.keep = True
            self.close()
            raise

    def close(self):
        """End every process this session started (and their children), newest first."""
        for name, proc in reversed(self._procs):
            _end_tree(proc)
        self._procs = []
        if self.work and os.path.isdir(self.work):
            if self.keep:
                print("e2e work dir kept: %s" % self.work, file=sys.stderr)
            else:
                shutil.rmtree(self.work, ignore_errors=True)
        if self._lock:
            self._lock.close()
            self._lock = None

    # ---- talking to the program --------------------------------------------------------

    def press(self, *keys, delay_ms=None):
        """Type keys with xdotool into the focused program window.
        Each argument is one or more xdotool key names separated by blanks:
        press("Right", "c") or press("Right c"); "Return", "F8", "Menu", "ctrl+Right"."""
        names = [k for arg in keys for k in arg.split()]
        if not names:
            return
        delay = self.key_delay_ms if delay_ms is None else delay_ms
        self._check_program()
        subprocess.run(["xdotool", "key", "--delay", str(delay)] + names,
                       env=self._env, check=True, timeout=30 + len(names) * delay / 1000)

    def type_text(self, text, delay_ms=None):
        delay = self.key_delay_ms if delay_ms is None else delay_ms
        self._check_program()
        subprocess.run(["xdotool", "type", "--delay", str(delay), text],
                       env=self._env, check=True, timeout=30 + len(text) * delay / 1000)

    def focus_window(self, window=None):
        """Give the X focus to a window of the program (default: the first one).
        There is no window manager under Xvfb, so nobody else does it."""
        subprocess.run(["xdotool", "windowfocus", "--sync", window or self.window],
                       env=self._env, check=True, timeout=10)

    def windows(self):
        """Ids of the program's visible top-level windows."""
        r = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self._program_proc.pid)],
                           env=self._env, capture_output=True, text=True, timeout=10)
        return r.stdout.split()

    def wait_new_window(self, known, timeout=10.0):
        """Wait for a visible window not in `known` (a list from windows()), such as a
        dialog or message box, give it the focus and return its id."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            self._check_program()
            new = [w for w in self.windows() if w not in known]
            if new:
                self.focus_window(new[-1])
                return new[-1]
            time.sleep(0.1)
        raise WindowNotFound("no new window within %.1f s" % timeout)

    def wait_window_gone(self, window, timeout=10.0):
        """Wait until a window (a dialog, a message box) is no longer visible."""
        deadline = time.monotonic() + timeout
        while window in self.windows():
            if time.monotonic() >= deadline:
                raise SessionError("window %s still open after %.1f s" % (window, timeout))
            self._check_program()
            time.sleep(0.1)

    # ---- what Orca said ----------------------------------------------------------------

    def utterances(self):
        """Everything Orca sent to speech since the program started, in order."""
        return self._read_speech()[self._start_index:]

    def mark(self):
        """A position in the utterance list; pass it as `since` to later calls."""
        return len(self.utterances())

    def spoken(self, since=0):
        return self.utterances()[since:]

    def wait_for(self, expected, since=None, timeout=10.0, contains=False):
        """Wait until an utterance after `since` matches `expected` and return it.
        expected: a text (compared with normalize(), or as a substring when contains=True)
        or a compiled regular expression (searched). since defaults to mark() now."""
        start = self.mark() if since is None else since
        deadline = time.monotonic() + timeout
        while True:
            for u in self.spoken(start):
                if _matches(expected, u, contains):
                    return u
            if time.monotonic() >= deadline:
                raise SpeechTimeout(getattr(expected, "pattern", expected), self.spoken(start), timeout,
                                    self._queue_digest())
            self._check_program()
            time.sleep(0.05)

    def wait_quiet(self, quiet=0.8, timeout=10.0):
        """Wait until Orca has said nothing new for `quiet` seconds; return the count."""
        deadline = time.monotonic() + timeout
        count, since = len(self._read_speech()), time.monotonic()
        while time.monotonic() < deadline:
            time.sleep(0.05)
            now = len(self._read_speech())
            if now != count:
                count, since = now, time.monotonic()
            elif time.monotonic() - since >= quiet:
                break
        return count

    def expect_silence(self, since, period=1.0):
        """Fail if Orca says anything after `since` within `period` seconds."""
        time.sleep(period)
        said = self.spoken(since)
        if said:
            raise SessionError("expected silence; Orca said: %r" % said)

    # ---- the clipboard, as another program on the desktop sees it ---------------------

    def set_clipboard(self, text, timeout=10.0):
        """Copy `text` as another program would: xclip owns the X clipboard and serves
        it until someone else takes the clipboard or the session ends."""
        if shutil.which("xclip") is None:
            raise MissingTool("missing: xclip")
        self._check_program()
        log = open(self._path("xclip.log"), "ab")
        # -quiet keeps it in the foreground, a process of this session to stop.
        proc = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard", "-in"], env=self._env,
                                stdin=subprocess.PIPE, stdout=log, stderr=log, start_new_session=True)
        log.close()
        self._procs.append(("xclip", proc))
        proc.stdin.write(text.encode("utf-8"))
        proc.stdin.close()
        deadline = time.monotonic() + timeout
        while self.clipboard() != text:
            if time.monotonic() >= deadline:
                raise SessionError("xclip did not take the clipboard within %.1f s" % timeout)
            time.sleep(0.05)

    def clipboard(self):
        """The text on the X clipboard now, "" when it holds none."""
        r = subprocess.run(["xclip", "-out", "-selection", "clipboard"], env=self._env,
                           capture_output=True, timeout=10)
        return r.stdout.decode("utf-8", errors="replace") if r.returncode == 0 else ""

    # ---- what Orca showed on the braille display ----------------------------------------

    def braille_mark(self):
        """A position in the list of braille lines; pass it as `since` to wait_braille."""
        return len(self._read_braille())

    def braille_now(self):
        """The line on the braille display now: the last one Orca showed."""
        lines = self._read_braille()
        return lines[-1] if lines else None

    def wait_braille(self, expected, since, timeout=10.0):
        """Wait until a braille line shown after `since` matches `expected` (as in
        wait_for) and return it."""
        deadline = time.monotonic() + timeout
        while True:
            shown = self._read_braille()[since:]
            for line in shown:
                if _matches(expected, line, False):
                    return line
            if time.monotonic() >= deadline:
                raise SessionError("expected %r on the braille line within %.1f s; Orca showed: %r"
                                   % (getattr(expected, "pattern", expected), timeout, shown))
            self._check_program()
            time.sleep(0.05)

    def program_output(self):
        path = os.path.join(self.work, "program.log")
        with open(path, encoding="utf-8", errors="replace") as f:
            return f.read()

    # ---- start-up steps ----------------------------------------------------------------

    def _take_lock(self):
        self._lock = open(LOCK_FILE, "a")
        deadline = time.monotonic() + self.lock_timeout
        while True:
            try:
                fcntl.flock(self._lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
                break
            except BlockingIOError:
                if time.monotonic() >= deadline:
                    raise OrcaBusy("another e2e session held %s for %d s" % (LOCK_FILE, self.lock_timeout))
                time.sleep(0.5)
        # Orca started by someone else (by hand, another tool) also blocks us: wait a while.
        deadline = time.monotonic() + 60
        while _orca_running():
            if time.monotonic() >= deadline:
                raise OrcaBusy("an Orca of uid %d is running; Orca runs once per user" % os.getuid())
            time.sleep(0.5)

    def _path(self, *parts):
        return os.path.join(self.work, *parts)

    def _prepare_home(self):
        home = self._path("home")
        for d in (".config", ".cache", "run", "orcaprefs"):
            os.makedirs(os.path.join(home, d), exist_ok=True)
        os.chmod(os.path.join(home, "run"), 0o700)
        env = {k: v for k, v in os.environ.items()
               if k not in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS",
                            "AT_SPI_BUS_ADDRESS", "SPEECHD_ADDRESS", "QT_QPA_PLATFORM",
                            "SESSION_MANAGER", "XAUTHORITY", "LANGUAGE", "LC_ALL", "LC_MESSAGES")}
        env.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                   XDG_CACHE_HOME=os.path.join(home, ".cache"),
                   XDG_RUNTIME_DIR=os.path.join(home, "run"),
                   XDG_DATA_HOME=os.path.join(home, ".local", "share"),
                   NO_AT_BRIDGE="0", GTK_A11Y="atspi")
        # One language for every run, whatever the caller's: Orca's words in English,
        # the game in its own Spanish (a scenario's env may ask for another).
        env["LANG"] = "C.UTF-8"
        self._env = env
        # Silent speech: libao with its null driver; the synthesiser still runs.
        conf = os.path.join(home, ".config", "speech-dispatcher")
        shutil.copytree("/etc/speech-dispatcher", conf, dirs_exist_ok=True)
        with open(os.path.join(conf, "speechd.conf"), "a") as f:
            f.write('\nAudioOutputMethod "libao"\n')
        with open(os.path.join(home, ".libao"), "w") as f:
            f.write("default_driver=null\n")
        prefs = os.path.join(home, "orcaprefs")
        shutil.copy(os.path.join(HERE, "orca_customizations.py"),
                    os.path.join(prefs, "orca-customizations.py"))
        general = {"enableKeyEcho": self.key_echo, "enableSpeech": True,
                   "activeProfile": ["Default", "default"],
                   "startingProfile": ["Default", "default"]}
        general.update(self.orca_settings)
        settings = {"general": general,
                    "profiles": {"default": {"profile": ["Default", "default"],
                                             "pronunciations": {}, "keybindings": {}}},
                    "pronunciations": {}, "keybindings": {}}
        with open(os.path.join(prefs, "user-settings.conf"), "w") as f:
            json.dump(settings, f, indent=1)

    def _spawn(self, name, argv, env=None, stdout=None, pass_fds=()):
        log = open(self._path(name + ".log"), "wb")
        proc = subprocess.Popen(argv, env=env or self._env, stdin=subprocess.DEVNULL,
                                stdout=stdout if stdout is not None else log, stderr=log,
                                pass_fds=pass_fds, start_new_session=True)
        log.close()
        self._procs.append((name, proc))
        return proc

    def _read_fd_line(self, name, rfd, timeout):
        """Read the first line a child writes to a pipe (its readiness signal)."""
        deadline = time.monotonic() + timeout
        data = b""
        try:
            while b"\n" not in data:
                left = deadline - time.monotonic()
                ready = select.select([rfd], [], [], max(left, 0))[0] if left > 0 else []
                chunk = os.read(rfd, 4096) if ready else b""
                if not chunk:                       # timed out, or the child closed it
                    raise SessionError("%s did not start (see %s.log)" % (name, name))
                data += chunk
        finally:
            os.close(rfd)
        return data.split(b"\n", 1)[0].decode().strip()

    def _start_xvfb(self):
        rfd, wfd = os.pipe()
        # -r: no auto-repeat. A key xdotool holds a little too long on a busy machine
        # would otherwise come again, and a second Return closes a box nobody has heard.
        self._spawn("xvfb", ["Xvfb", "-displayfd", str(wfd), "-screen", "0", "1280x1024x24",
                                    "-nolisten", "tcp", "-noreset", "-r"], pass_fds=(wfd,))
        os.close(wfd)
        self._env["DISPLAY"] = ":" + self._read_fd_line("xvfb", rfd, 20)

    def _start_dbus(self):
        rfd, wfd = os.pipe()
        self._spawn("dbus", ["dbus-daemon", "--session", "--nofork",
                                    "--print-address=%d" % wfd], pass_fds=(wfd,))
        os.close(wfd)
        self._env["DBUS_SESSION_BUS_ADDRESS"] = self._read_fd_line("dbus", rfd, 20)

    def _start_atspi(self):
        proc = self._spawn("atspi", [ATSPI_LAUNCHER, "--launch-immediately"])
        deadline = time.monotonic() + 20
        while True:
            r = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                                "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                               env=self._env, capture_output=True, text=True, timeout=10)
            if r.returncode == 0 and "unix:" in r.stdout:
                return
            if time.monotonic() >= deadline or proc.poll() is not None:
                raise SessionError("the AT-SPI bus did not start (see atspi.log)")
            time.sleep(0.1)

    def _start_speech_server(self):
        # Started here in the foreground so it is ours to stop; Orca finds its socket.
        run = self._env["XDG_RUNTIME_DIR"]
        sock = os.path.join(run, "speech-dispatcher", "speechd.sock")
        os.makedirs(os.path.dirname(sock), exist_ok=True)
        conf = os.path.join(self._env["XDG_CONFIG_HOME"], "speech-dispatcher")
        proc = self._spawn("speechd", ["speech-dispatcher", "--run-single", "--timeout", "0",
                                       "--communication-method", "unix_socket",
                                       "--socket-path", sock, "--config-dir", conf,
                                       "--pid-file", os.path.join(run, "speechd.pid"),
                                       "--log-dir", self._path()])
        self._env["SPEECHD_ADDRESS"] = "unix_socket:" + sock
        deadline = time.monotonic() + 20
        while not os.path.exists(sock):
            if time.monotonic() >= deadline or proc.poll() is not None:
                raise SessionError("speech-dispatcher did not start (see speechd.log)")
            time.sleep(0.05)

    def _start_orca(self):
        proc = self._spawn("orca", ["orca", "-u", os.path.join(self._env["HOME"], "orcaprefs"),
                                    "--debug-file", self._path("orca-debug.log")])
        deadline = time.monotonic() + 40
        while not self._orca_ready():
            if proc.poll() is not None or time.monotonic() >= deadline:
                raise OrcaNotStarted("Orca did not start (see orca.log, orca-debug.log in %s)" % self.work)
            time.sleep(0.1)

    def _orca_ready(self):
        # Orca says "Screen reader on." when it is ready.
        return bool(self._read_speech())

    def _start_program(self):
        env = dict(self._env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                   QT_ACCESSIBILITY="1")
        env.update(self.program_env)
        if self.faketime is not None:
            # Preloaded directly rather than through the faketime wrapper, which would fork
            # and hide the window's process id. Only the wall clock is frozen.
            env.update(LD_PRELOAD=faketime_library(), FAKETIME=self.faketime,
                       FAKETIME_DONT_FAKE_MONOTONIC="1", FAKETIME_DONT_RESET="1")
            # AddressSanitizer wants to be first in the list of preloaded libraries.
            env["ASAN_OPTIONS"] = ":".join(filter(None, [env.get("ASAN_OPTIONS"), "verify_asan_link_order=0"]))
        self._start_index = len(self._read_speech())
        try:
            self._program_proc = self._spawn("program", self.program, env=env)
        except OSError as err:
            raise WindowNotFound("cannot run %s: %s" % (self.program[0], err)) from err
        self.window = self._find_window(self._program_proc, 30)
        self.focus_window()
        # Let Orca present the window and its focus before any key is typed.
        self._wait_first_speech(self._start_index, 10)
        self.wait_quiet(quiet=0.6, timeout=8)
        self.initial = self.utterances()

    def restart_program(self, sig=signal.SIGKILL):
        """End the program with a signal (SIGKILL: no chance to save anything) and start it
        again; returns once Orca has presented its window."""
        self._program_proc.send_signal(sig)
        self._program_proc.wait(timeout=10)
        self._start_program()

    def _find_window(self, proc, timeout):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if proc.poll() is not None:
                raise WindowNotFound("%s exited with %s before showing a window:\n%s"
                                     % (self.program[0], proc.returncode, self.program_output()))
            ids = self.windows()
            if ids:
                return ids[0]
            time.sleep(0.1)
        raise WindowNotFound("no visible window of %s within %d s" % (self.program[0], timeout))

    def _wait_first_speech(self, since, timeout):
        deadline = time.monotonic() + timeout
        while len(self._read_speech()) <= since and time.monotonic() < deadline:
            time.sleep(0.05)

    def _check_program(self):
        if self._program_proc is not None and self._program_proc.poll() is not None:
            raise SessionError("the program ended (status %s):\n%s"
                               % (self._program_proc.returncode, self.program_output()))

    # What Orca's event queue did, for a text that never came: dropped in a flood, or late.
    _QUEUE_NEWS = re.compile(r"^EVENT MANAGER: (?:FLOOD|DELUGE|.*pruned|Not processing this event due to flood"
                             r"|Ignoring event type due to deluge)")

    def _queue_digest(self, last=6):
        records = self._read_records()
        news = [r.split("\n")[0] for r in records if self._QUEUE_NEWS.match(r)]
        moved = [r.split("\n")[0] for r in records if r.startswith(("EVENT MANAGER: Queueing", "EVENT MANAGER: Dequeued"))]
        lines = ["Orca's queue: %d flood or deluge records%s" % (len(news), "; the last:" if news else "")]
        lines += ["  " + r[:160] for r in news[-last:]]
        lines.append("Orca's last events queued or taken:")
        lines += ["  " + r[:160] for r in moved[-last:]]
        return "\n" + "\n".join(lines)

    def _read_records(self):
        try:
            with open(self._path("orca-debug.log"), encoding="utf-8", errors="replace") as f:
                lines = f.read().split("\n")[:-1]     # the last line may be half written
        except FileNotFoundError:
            return []
        records = []
        for line in lines:
            if line.startswith(" " * 18) and records:
                records[-1] += "\n" + line[18:]
            else:
                records.append(_DEBUG_RECORD.sub("", line, count=1))
        return records

    def _read_speech(self):
        out = []
        for record in self._read_records():
            m = _SPEECH_RECORD.match(record)
            if m:
                out.extend(as_orca43(m.group(1)))
        return out

    def _read_braille(self):
        return [m.group(1) for m in map(_BRAILLE_RECORD.match, self._read_records()) if m]


def _matches(expected, utterance, contains):
    if hasattr(expected, "search"):
        return expected.search(utterance) is not None
    if contains:
        return expected in utterance
    return normalize(utterance) == normalize(expected)


def _orca_running():
    r = subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"], capture_output=True)
    return r.returncode == 0


def _descendants(pid):
    children = {}
    for stat in glob.glob("/proc/[0-9]*/stat"):
        try:
            with open(stat) as f:
                fields = f.read().rsplit(")", 1)[1].split()
            children.setdefault(int(fields[1]), []).append(int(stat.split("/")[2]))
        except (OSError, IndexError, ValueError):
            continue
    found, todo = [], [pid]
    while todo:
        for c in children.get(todo.pop(), []):
            found.append(c)
            todo.append(c)
    return found


def forget_kept_game(program):
    """The game in play a portable copy keeps beside itself, gone."""
    try:
        os.remove(os.path.join(os.path.dirname(os.path.abspath(program)), "NovaroEnCurso.sav"))
    except FileNotFoundError:
        pass


def _end_tree(proc):
    """Stop a process we started and everything it started, by process id."""
    if proc.poll() is not None:
        return
    pids = [proc.pid] + _descendants(proc.pid)
    for sig in (signal.SIGTERM, signal.SIGKILL):
        for pid in reversed(pids):
            try:
                os.kill(pid, sig)
            except ProcessLookupError:
                pass
        try:
            proc.wait(timeout=3)
        except subprocess.TimeoutExpired:
            continue
        # children reparented elsewhere may still be ending: give them a moment
        deadline = time.monotonic() + 1
        while time.monotonic() < deadline and any(_alive(p) for p in pids[1:]):
            time.sleep(0.05)
        if not any(_alive(p) for p in pids[1:]):
            return


def _alive(pid):
    try:
        with open("/proc/%d/stat" % pid) as f:
            return f.read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:
        return False


def run_scenario(body, program=None, args=(), **options):
    """Entry point for a scenario script: runs body(session) and exits with a code
    from the table at the top. The program defaults to argv[1] or $NOVARO_BIN;
    args go to it after its own."""
    program = program or sys.argv[1:] or [os.environ.get("NOVARO_BIN", "")]
    program = list(program) + list(args)
    if not program[0]:
        print("usage: %s PROGRAM [ARGS...]  (or set NOVARO_BIN)" % sys.argv[0], file=sys.stderr)
        sys.exit(EXIT_FAILED)
    try:
        with OrcaSession(program, **options) as session:
            for u in session.initial:
                print("INITIAL: %s" % u)
            try:
                body(session)
            finally:
                for u in session.spoken(len(session.initial)):
                    print("SPOKEN: %s" % u)
            # The game's texts come without a role word on every Orca.
            roles = [u for u in session.utterances() if ROLE_WORDS.search(u)]
            assert not roles, "role words heard: %r" % roles
    except SessionError as e:
        print("FAIL: %s" % e, file=sys.stderr)
        sys.exit(e.exit_code)
    except AssertionError as e:
        print("FAIL: %s" % e, file=sys.stderr)
        sys.exit(EXIT_FAILED)
    print("PASS")
    sys.exit(EXIT_OK)
