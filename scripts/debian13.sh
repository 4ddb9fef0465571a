#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds NOVARO and runs its whole ctest suite on Debian 13 (trixie), inside a trixie root
# made once on this machine from the package mirror apt already uses, then reused.
# The run gets its own PID and mount namespace (own /proc and /dev/shm), so the Orca it
# starts never meets another one. Run as root (or with sudo). Arguments go to ctest.
#   NOVARO_TRIXIE_ROOT   where the root lives (default /var/cache/novaro-trixie)
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "$(id -u)" -ne 0 ]; then exec sudo -E "$0" "$@"; fi
. scripts/raiz-trixie.sh

[ -x "$R/bin/bash" ] || make_root

copy_sources /root/novaro
rm -f "$R/root/novaro.huella"

fresh_state

args=$(printf ' %q' "$@")
# The browser edition, the fuzzers and the Debian package are tested once, in the Debian 12
# suite: the page and the fuzzed code are the same, and one package build proves the packaging.
inside "cd /root/novaro && NOVARO_SIN_FUZZ=1 NOVARO_SIN_WEB=1 NOVARO_SIN_PAQUETE=1 ./scripts/test.sh$args"
# Its game, built and tested from these very files, spares windows.sh a Linux build of its own.
huella_fuentes > "$R/root/novaro.huella"
