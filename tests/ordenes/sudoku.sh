#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# novaro --sudoku from a terminal: a puzzle the game refuses is one line on standard
# error and status 2, and no window is ever tried (there is no display to try it on).
# usage: sudoku.sh PATH/TO/novaro
set -u
novaro=$1
facil='53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79'
fallos=0

rechazado() {   # language, puzzle, expected line
    error=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$novaro" --idioma "$1" --sudoku "$2" 2>&1 >/dev/null)
    estado=$?
    if [ "$estado" -ne 2 ] || [ "$error" != "$3" ]; then
        printf 'FAIL: --idioma %s --sudoku %s\n  status %s, said: %s\n  expected status 2: %s\n' "$1" "$2" "$estado" "$error" "$3"
        fallos=1
    fi
}

rechazado es 123 "Sudoku rechazado: hay 3 casillas y hacen falta 81"
rechazado es "5${facil#?}5" "Sudoku rechazado: hay más de 81 casillas"
rechazado es "55${facil#??}" "Sudoku rechazado: el 5 se repite en la fila 1"
rechazado es "531${facil#???}" "Sudoku rechazado: no tiene solución"
rechazado es "......${facil#??????}" "Sudoku rechazado: tiene más de una solución"
rechazado en "55${facil#??}" "Sudoku refused: the 5 repeats in row 1"

# The usage text offers the options.
for opcion in '--sudoku <sudoku>' '--nueva'; do
    if ! "$novaro" --help | grep -q -- "$opcion"; then
        echo "FAIL: --help does not offer $opcion"
        fallos=1
    fi
done

# A session that ends sends SIGTERM: the game ends as Salir does (status 0), its game in
# play on disk beside a portable copy.
copia=$(mktemp -d)
cp "$novaro" "$copia/"
touch "$copia/CambioTablero.wav"
XDG_CONFIG_HOME=$copia/config QT_QPA_PLATFORM=offscreen "$copia/novaro" --sudoku "$facil" >/dev/null 2>&1 &
juego=$!
for _ in $(seq 100); do [ -s "$copia/NovaroEnCurso.sav" ] && break; sleep 0.1; done
kill -TERM "$juego"
wait "$juego"
estado=$?
if [ "$estado" -ne 0 ] || ! head -n1 "$copia/NovaroEnCurso.sav" | grep -q '^NOVARO partida en curso 1'; then
    echo "FAIL: after SIGTERM the game ended with status $estado, its game in play kept: $(ls "$copia")"
    fallos=1
fi
rm -rf "$copia"
exit $fallos
