#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Type keys into a program under a headless Orca and print what Orca spoke.

usage: orca_keys.py [options] "KEY KEY ..." PROGRAM [ARGS...]

Prints "INITIAL: <text>" for what Orca said when the window appeared, then
"SPOKEN: <text>" for each utterance after the first key. Keys are xdotool key
names: Right Left Up Down Home End Prior Next Return space BackSpace Delete
F1 F8 F9 Escape Menu Control_L ctrl+Right a 5 ...

exit: 0 ok, 2 Orca did not start, 3 no window, 4 another Orca is running,
      77 a needed tool is missing
"""
import argparse
import sys

import orca_session as e2e


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    p.add_argument("keys", help="xdotool key names separated by blanks")
    p.add_argument("program", nargs=argparse.REMAINDER, help="program and its arguments")
    p.add_argument("--faketime", metavar="'YYYY-MM-DD hh:mm:ss'",
                   help="freeze the program's wall clock at this local time")
    p.add_argument("--delay", type=int, default=300, help="ms between keys (default 300)")
    p.add_argument("--quiet", type=float, default=1.5,
                   help="s of silence after the last key that ends the run (default 1.5)")
    p.add_argument("--key-echo", action="store_true", help="let Orca echo each key")
    p.add_argument("--no-initial", action="store_true", help="do not print INITIAL lines")
    p.add_argument("--keep", action="store_true", help="keep the work dir with all logs")
    a = p.parse_args()
    if not a.program:
        p.error("PROGRAM is missing")
    try:
        with e2e.OrcaSession(a.program, faketime=a.faketime, key_delay_ms=a.delay,
                             key_echo=a.key_echo, keep=a.keep) as s:
            if not a.no_initial:
                for u in s.initial:
                    print("INITIAL: %s" % u, flush=True)
            m = s.mark()
            s.press(a.keys)
            s.wait_quiet(quiet=a.quiet, timeout=a.quiet + 30)
            for u in s.spoken(m):
                print("SPOKEN: %s" % u, flush=True)
    except e2e.SessionError as err:
        print("ERROR: %s" % err, file=sys.stderr)
        return err.exit_code
    return e2e.EXIT_OK


if __name__ == "__main__":
    sys.exit(main())
