#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds NOVARO with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh --pruebas
# NOVARO_SIN_WEB=1 leaves out the browser edition's build and browsers.
web=ON
[ "${NOVARO_SIN_WEB:-0}" != 1 ] || web=OFF
# NOVARO_SIN_PAQUETE=1 leaves out building, installing and playing the Debian package.
paquete=ON
[ "${NOVARO_SIN_PAQUETE:-0}" != 1 ] || paquete=OFF
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=Debug -DNOVARO_SANITIZE=ON -DNOVARO_WEB=$web -DNOVARO_PAQUETE=$paquete >/dev/null
cmake --build build-tests -j"$(nproc)"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# The Orca scenarios take turns (they share a lock); the rest run beside them, one per core.
(cd build-tests && ctest --output-on-failure --timeout 900 -j"$(nproc)" "$@")
# Fuzz the cell-value reader and the slot reader for a bounded time each
# (NOVARO_FUZZ_SEGUNDOS, default 60); NOVARO_SIN_FUZZ=1 skips them.
if [ "${NOVARO_SIN_FUZZ:-0}" != 1 ]; then
  ./fuzz/run_fuzzers.sh
fi
