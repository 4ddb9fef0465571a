#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when the English translation lacks a text of the game or is older than the code:
# lupdate run afresh over the sources must give back the committed file, with every
# message translated.
#   al_dia.sh LUPDATE TS_FILE SOURCE_DIR [LUPDATE OPTIONS...]
set -eu
lupdate=$1 ts=$2 fuentes=$3
shift 3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp "$ts" "$tmp/nuevo.ts"
"$lupdate" "$@" -recursive "$fuentes" -ts "$tmp/nuevo.ts" >"$tmp/lupdate.log" 2>&1 \
  || { cat "$tmp/lupdate.log"; exit 1; }
if ! diff -u "$ts" "$tmp/nuevo.ts"; then
  echo "$ts is out of date with the code: build the target update_translations and translate what it adds." >&2
  exit 1
fi
sin=$(grep -c -E 'type="(unfinished|vanished|obsolete)"|<translation></translation>' "$ts" || true)
if [ "$sin" -ne 0 ]; then
  grep -B3 -E 'type="(unfinished|vanished|obsolete)"|<translation></translation>' "$ts" | grep '<source>' >&2
  echo "$sin texts of $ts have no finished translation." >&2
  exit 1
fi
echo "$ts: up to date, every text translated."
