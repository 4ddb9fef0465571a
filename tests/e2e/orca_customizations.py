# SPDX-License-Identifier: GPL-3.0-or-later
# Copied as orca-customizations.py into the private Orca settings directory of an
# e2e session; Orca runs it at start-up.
# Orca opens its --debug-file block-buffered; reopen it line-buffered so the test
# reads each utterance (a SPEECH OUTPUT line) as soon as Orca sends it to speech.
try:
    import orca.debug as _debug
    if _debug.debugFile is not None and getattr(_debug.debugFile, "name", None):
        _debug.debugFile.flush()
        _debug.debugFile = open(_debug.debugFile.name, "a", buffering=1, encoding="utf-8")
except Exception:
    pass
