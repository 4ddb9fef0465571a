#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time and memory of the game against two floors, all under the same Xvfb
# in the same run, in turn:
#   piso   = a bare Qt Widgets window with one line edit,
#   campos = a window with the game's designed fields (81 line edits, the message
#            line, five buttons, the menus, in the same fonts) and nothing of the game;
#   time  = from exec to the X server's MapNotify of the program's window,
#   VmRSS = resident memory two seconds after that map,
#   CPU   = CPU time its threads had used at the map (steadier than the time
#           when other work shares the cores).
# Usage: bench/startup.sh [BUILD_DIR]     (default: build/; it needs -DNOVARO_BENCH=ON)
#        VECES=n bench/startup.sh          (runs of each program, at least 7)
#        ANTES=DIR bench/startup.sh        (also DIR/novaro, an earlier build, measured in turn)
#        CALLGRIND=1 bench/startup.sh      (also the instructions from exec to the map, counted
#                                           by valgrind: the same on a busy machine; one run will do)
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
[[ -n ${CALLGRIND:-} ]] || ((veces >= 7)) || veces=7

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

antes=
if [[ -n ${ANTES:-} ]]; then
    antes=$(cd "$ANTES" && pwd)
    [[ -x $antes/novaro ]] || { echo "startup.sh: $antes has no novaro" >&2; exit 1; }
    [[ ! -e $antes/NovaroEnCurso.sav ]] || mv "$antes/NovaroEnCurso.sav" "$tmp/kept-antes"
    trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; [[ ! -e $tmp/kept-before ]] || mv "$tmp/kept-before" "$kept"; [[ ! -e $tmp/kept-antes ]] || mv "$tmp/kept-antes" "$antes/NovaroEnCurso.sav"; rm -rf "$tmp"' EXIT
fi

# Under callgrind the count stops where Qt has sent the map and waited for the server.
envoltura=()
[[ -z ${CALLGRIND:-} ]] || envoltura=("$(command -v valgrind)" --tool=callgrind "--dump-after=QXcbWindow::show*"
                                      "--callgrind-out-file=$tmp/cg.%p" "--log-file=$tmp/valgrind.log")
medir() {   # name -> appends "ms kB cpu-ms [instructions]" to $tmp/<name>
    local linea
    linea=$(case $1 in
        juego) rm -f "$kept"; "$mapa" "${envoltura[@]}" "$juego" ;;
        conservada) cp "$tmp/kept" "$kept"; "$mapa" "${envoltura[@]}" "$juego" ;;
        antes) rm -f "$antes/NovaroEnCurso.sav"; "$mapa" "${envoltura[@]}" "$antes/novaro" ;;
        antes-conservada) cp "$tmp/kept" "$antes/NovaroEnCurso.sav"; "$mapa" "${envoltura[@]}" "$antes/novaro" ;;
        piso) "$mapa" "${envoltura[@]}" "$piso" ;;
        campos) "$mapa" "${envoltura[@]}" "$piso" --campos ;;
    esac)
    if ((${#envoltura[@]})); then
        linea+=" $(sed -n 's/^summary: //p' "$tmp"/cg.*.1 | head -n1)"
        rm -f "$tmp"/cg.*
    fi
    echo "$linea" >>"$tmp/$1"
}

nombres=(juego conservada piso campos)
[[ -z $antes ]] || nombres+=(antes antes-conservada)
# One untimed run of each fills the disk and font caches; the game's leaves a kept game.
envoltura_medida=("${envoltura[@]}")
envoltura=()
medir juego
cp "$kept" "$tmp/kept"
for n in "${nombres[@]}"; do medir "$n"; done
for n in "${nombres[@]}"; do rm -f "$tmp/$n"; done
envoltura=("${envoltura_medida[@]}")
# Each round starts one further along, so none always meets another's leftovers.
for i in $(seq "$veces"); do
    for j in "${!nombres[@]}"; do medir "${nombres[$(((i + j) % ${#nombres[@]}))]}"; done
done
rm -f "$kept"
[[ -z $antes ]] || rm -f "$antes/NovaroEnCurso.sav"

mediana() {   # column of a file -> its median
    awk -v c="$2" '{print $c}' "$1" | sort -g |
        awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}
lista() { awk -v c="$2" '{printf "%s%s", sep, $c; sep = " "}' "$1"; }

export LC_ALL=C   # a dot for decimals, whatever the locale
div() { awk -v a="$1" -v b="$2" 'BEGIN {print a / b}'; }
declare -A t r c
for n in "${nombres[@]}"; do
    t[$n]=$(mediana "$tmp/$n" 1); r[$n]=$(mediana "$tmp/$n" 2); c[$n]=$(mediana "$tmp/$n" 3)
done
echo "Start-up under Xvfb, $veces runs of each, medians (the map times of every run in brackets)"
printf '%-24s %9s %12s %9s\n' "" "map (ms)" "VmRSS (MiB)" "CPU (ms)"
for n in "${nombres[@]}"; do
    printf '%-24s %9.1f %12.1f %9.1f   [%s]\n' "$n" "${t[$n]}" "$(div "${r[$n]}" 1024)" "${c[$n]}" "$(lista "$tmp/$n" 1)"
done
if [[ -n ${CALLGRIND:-} ]]; then
    echo "Instructions from exec to the map (millions; times and CPU above are valgrind's, not the program's)"
    for n in "${nombres[@]}"; do
        printf '%-24s %9.1f   %s/piso %.2fx   %s/campos %.2fx\n' "$n" "$(div "$(mediana "$tmp/$n" 4)" 1e6)" \
            "$n" "$(div "$(mediana "$tmp/$n" 4)" "$(mediana "$tmp/piso" 4)")" \
            "$n" "$(div "$(mediana "$tmp/$n" 4)" "$(mediana "$tmp/campos" 4)")"
    done
    exit 0
fi
echo "Ratios (map, VmRSS, CPU); targets against piso: map <= 1.20x, VmRSS <= 1.30x"
for n in "${nombres[@]}"; do
    case $n in piso) continue ;; esac
    for suelo in piso campos; do
        [[ $n != "$suelo" ]] || continue
        printf '%-24s %8.2fx %11.2fx %8.2fx\n' "$n/$suelo" "$(div "${t[$n]}" "${t[$suelo]}")" \
            "$(div "${r[$n]}" "${r[$suelo]}")" "$(div "${c[$n]}" "${c[$suelo]}")"
    done
done
