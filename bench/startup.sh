#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time and memory of the game against the floor of a bare Qt Widgets
# window, both under the same Xvfb in the same run:
#   time  = from exec to the X server's MapNotify of the program's window,
#   VmRSS = resident memory two seconds after that map,
#   CPU   = CPU time its threads had used at the map (steadier than the time
#           when other work shares the cores).
# Usage: bench/startup.sh [BUILD_DIR]     (default: build/; it needs -DNOVARO_BENCH=ON)
#        VECES=n bench/startup.sh          (runs of each program, at least 7)
set -euo pipefail

# A private session bus, as a desktop has one: without any, Qt's accessibility
# bridge makes libdbus autolaunch a bus on the X display and leave it running.
if [[ -z ${NOVARO_BUS_PROPIO:-} ]] && command -v dbus-run-session >/dev/null; then
    NOVARO_BUS_PROPIO=1 exec dbus-run-session -- "$0" "$@" 2> >(grep -v 'Failed to set fd limit' >&2)
fi
[[ -n ${DBUS_SESSION_BUS_ADDRESS:-} ]] || export DBUS_SESSION_BUS_ADDRESS=disabled:

raiz=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$raiz/build}" && pwd)
veces=${VECES:-7}
((veces >= 7)) || veces=7

if ! cmake --build "$build" --target help 2>/dev/null | grep novaro_mapa >/dev/null; then
    echo "startup.sh: $build has no benchmarks; configure it with -DNOVARO_BENCH=ON" >&2
    exit 1
fi
cmake --build "$build" --target novaro novaro_piso novaro_mapa -j2 >/dev/null
juego=$build/novaro
piso=$(find "$build" -name novaro_piso -type f -perm -u+x | head -n1)
mapa=$(find "$build" -name novaro_mapa -type f -perm -u+x | head -n1)

# Xvfb picks a free display itself and writes its number to fd 3.
tmp=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/pantalla" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$tmp"' EXIT
for _ in $(seq 100); do [[ -s $tmp/pantalla ]] && break; sleep 0.1; done
[[ -s $tmp/pantalla ]] || { echo "startup.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -n1 "$tmp/pantalla")
export QT_QPA_PLATFORM=xcb
mkdir -m 700 "$tmp/run"
export XDG_RUNTIME_DIR=$tmp/run

# The player's settings stay out of it; the game deals anew unless a kept game is put beside it.
export XDG_CONFIG_HOME=$tmp/config
kept=$build/NovaroEnCurso.sav
[[ ! -e $kept ]] || mv "$kept" "$tmp/kept-before"
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; [[ ! -e $tmp/kept-before ]] || mv "$tmp/kept-before" "$kept"; rm -rf "$tmp"' EXIT

medir() {   # program name -> appends "ms kB" to $tmp/<name>
    case $2 in
        juego) rm -f "$kept" ;;
        conservada) cp "$tmp/kept" "$kept" ;;
    esac
    "$mapa" "$1" >>"$tmp/$2"
}

# One untimed run of each fills the disk and font caches; the game's leaves a kept game.
medir "$juego" calentamiento
cp "$kept" "$tmp/kept"
medir "$piso" calentamiento
# Rotate which goes first, so none always meets another's leftovers.
for i in $(seq "$veces"); do
    case $((i % 3)) in
        0) medir "$juego" juego; medir "$juego" conservada; medir "$piso" piso ;;
        1) medir "$piso" piso; medir "$juego" juego; medir "$juego" conservada ;;
        2) medir "$juego" conservada; medir "$piso" piso; medir "$juego" juego ;;
    esac
done
rm -f "$kept"

mediana() {   # column of a file -> its median
    awk -v c="$2" '{print $c}' "$1" | sort -g |
        awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}
lista() { awk -v c="$2" '{printf "%s%s", sep, $c; sep = " "}' "$1"; }

tj=$(mediana "$tmp/juego" 1); rj=$(mediana "$tmp/juego" 2); cj=$(mediana "$tmp/juego" 3)
tp=$(mediana "$tmp/piso" 1); rp=$(mediana "$tmp/piso" 2); cp=$(mediana "$tmp/piso" 3)
tk=$(mediana "$tmp/conservada" 1); rk=$(mediana "$tmp/conservada" 2); ck=$(mediana "$tmp/conservada" 3)

export LC_ALL=C   # a dot for decimals, whatever the locale
div() { awk -v a="$1" -v b="$2" 'BEGIN {print a / b}'; }
echo "Start-up under Xvfb, $veces runs of each, medians (the map times of every run in brackets)"
printf '%-8s %9s %12s %9s\n' "" "map (ms)" "VmRSS (MiB)" "CPU (ms)"
printf '%-8s %9.1f %12.1f %9.1f   [%s]\n' novaro "$tj" "$(div "$rj" 1024)" "$cj" "$(lista "$tmp/juego" 1)"
printf '%-8s %9.1f %12.1f %9.1f   [%s]\n' kept "$tk" "$(div "$rk" 1024)" "$ck" "$(lista "$tmp/conservada" 1)"
printf '%-8s %9.1f %12.1f %9.1f   [%s]\n' piso "$tp" "$(div "$rp" 1024)" "$cp" "$(lista "$tmp/piso" 1)"
printf '%-8s %8.2fx %11.2fx %8.2fx   (targets: map <= 1.20x, VmRSS <= 1.30x)\n' ratio \
    "$(div "$tj" "$tp")" "$(div "$rj" "$rp")" "$(div "$cj" "$cp")"
printf '%-8s %8.2fx %11.2fx %8.2fx   (a game kept from the last run brought back)\n' "kept/piso" \
    "$(div "$tk" "$tp")" "$(div "$rk" "$rp")" "$(div "$ck" "$cp")"
