# Copied as orca-customizations.py into the private Orca settings directory of an
# e2e session; Orca runs it at start-up. It records every utterance Orca sends to
# speech as one JSON line in $NOVARO_E2E_SPEECH_LOG, written through at once so the
# test can read it while Orca runs.
import json
import logging
import os


class _JsonLines(logging.Handler):
    def __init__(self, path):
        super().__init__()
        self._file = open(path, "a", encoding="utf-8", buffering=1)

    def emit(self, record):
        try:
            self._file.write(json.dumps({"t": record.created, "m": record.getMessage()},
                                        ensure_ascii=False) + "\n")
            self._file.flush()
        except Exception:
            self.handleError(record)


_path = os.environ.get("NOVARO_E2E_SPEECH_LOG")
if _path:
    _speech = logging.getLogger("speech")
    _speech.setLevel(logging.INFO)
    _speech.addHandler(_JsonLines(_path))

# Orca opens its --debug-file block-buffered; reopen it line-buffered so a failed
# start can be diagnosed from what it wrote.
try:
    import orca.debug as _debug
    if _debug.debugFile is not None and getattr(_debug.debugFile, "name", None):
        _debug.debugFile.flush()
        _debug.debugFile = open(_debug.debugFile.name, "a", buffering=1, encoding="utf-8")
except Exception:
    pass
