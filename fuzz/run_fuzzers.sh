#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzzers with clang (libFuzzer, ASan, UBSan) and runs each for a bounded time.
# Fails on any crash, leak, timeout or out-of-memory; the input that did it is kept
# in <build dir>/artefactos and printed, ready to become a regression test.
#
#   NOVARO_FUZZ_SEGUNDOS   seconds per fuzzer (default 60)
#   NOVARO_FUZZ_BUILD      build directory (default build-fuzz, beside src/)
#   NOVARO_FUZZ_SOLO       run only this fuzzer (valor, slot or teclas)
set -euo pipefail
cd "$(dirname "$0")/.."

segundos=${NOVARO_FUZZ_SEGUNDOS:-60}
build=${NOVARO_FUZZ_BUILD:-build-fuzz}
solo=${NOVARO_FUZZ_SOLO:-}
cxx=${NOVARO_FUZZ_CXX:-$(ls /usr/bin/clang++-[0-9]* | sort -V | tail -n 1)}
mkdir -p "$build/artefactos"

flags=(-std=c++20 -g -O1 -fPIC "-fsanitize=fuzzer,address,undefined" -fno-sanitize-recover=undefined)

construir() {
    local nombre=$1
    shift
    echo "== building fuzz_$nombre"
    "$cxx" "${flags[@]}" "$@" -o "$build/fuzz_$nombre"
}

ejecutar() {
    local nombre=$1
    shift
    # The repository's seeds stay clean; what the fuzzer learns goes to the build dir.
    local trabajo="$build/corpus/$nombre"
    mkdir -p "$trabajo"
    echo "== running fuzz_$nombre for ${segundos}s"
    local estado=0
    ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1} \
    UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1} \
        "$build/fuzz_$nombre" -max_total_time="$segundos" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build/artefactos/$nombre-" "$@" \
        "$trabajo" "fuzz/corpus/$nombre" >"$build/fuzz_$nombre.log" 2>&1 || estado=$?
    tail -n 12 "$build/fuzz_$nombre.log"
    if [ "$estado" -ne 0 ]; then
        echo "!! fuzz_$nombre failed (exit $estado); log: $build/fuzz_$nombre.log" >&2
        grep -E 'ValorCasilla|ERROR|SUMMARY|Test unit written' "$build/fuzz_$nombre.log" | cut -c1-400 >&2 || true
        return 1
    fi
}

# All are built first, then run side by side.
corridas=()
if [ -z "$solo" ] || [ "$solo" = valor ]; then
    construir valor -Isrc/engine fuzz/fuzz_valor.cpp src/engine/Comprobador.cpp
    corridas+=("valor -dict=fuzz/valor.dict")
fi
if [ -z "$solo" ] || [ "$solo" = slot ]; then
    # The whole engine: the slot reader puts notes back through it. No Qt: the format is the core's.
    construir slot -Isrc/core -Isrc/engine fuzz/fuzz_slot.cpp \
        src/core/FormatoPartida.cpp src/core/Windows1252.cpp src/core/Texto.cpp src/core/RegistroPartida.cpp \
        src/engine/*.cpp
    corridas+=("slot")
fi
if [ -z "$solo" ] || [ "$solo" = teclas ]; then
    # The whole game core, with its English table made from the translators' file.
    python3 cmake/tabla_traducciones.py translations/novaro_en.ts "$build/TablaIngles.cpp" TablaIngles
    # The install tree's folders, as CMake hands them to the core (only their being there matters here).
    construir teclas -Isrc/core -Isrc/engine -DNOVARO_ANIO='"2026"' \
        -DNOVARO_DATOS_INSTALADOS='"../share/novaro"' -DNOVARO_BIBLIOTECAS_INSTALADAS='"../lib/novaro"' fuzz/fuzz_teclas.cpp \
        src/core/*.cpp "$build/TablaIngles.cpp" src/engine/*.cpp
    corridas+=("teclas")
fi
pids=()
for corrida in "${corridas[@]}"; do
    # shellcheck disable=SC2086  # the fuzzer's name, then its own options
    ejecutar $corrida > "$build/ejecutar_${corrida%% *}.txt" 2>&1 &
    pids+=($!)
done
fallos=0
for i in "${!pids[@]}"; do
    wait "${pids[$i]}" || fallos=$((fallos + 1))
    cat "$build/ejecutar_$(echo "${corridas[$i]}" | cut -d' ' -f1).txt"
done

if [ "$fallos" -ne 0 ]; then
    echo "!! $fallos fuzzer(s) failed" >&2
    exit 1
fi
echo "== fuzzers passed"
