#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source, script and build file opens with its licence line (within its first three lines).
# usage: lineas.sh SOURCE_DIR
set -euo pipefail
cd "$1"
linea='SPDX-License-Identifier: GPL-3.0-or-later'
[ -f COPYING ] && grep -q 'GNU GENERAL PUBLIC LICENSE' COPYING && grep -q 'Version 3' COPYING ||
  { echo "COPYING is missing or is not the GPL version 3"; exit 1; }
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -co --exclude-standard
else   # a copy without git: everything outside the build folders
  find . -path './build*' -prune -o -type f -print | sed 's|^\./||'
fi | grep -E '\.(cpp|h|py|sh|cmake|in|qrc|js|mjs|css|html)$|(^|/)CMakeLists\.txt$|^\.ci/run$|^debian/(rules|control)$|^packaging/.*\.(nsi|rc)$' |
  grep -v -E '^fuzz/corpus' | sort > /tmp/novaro-licencia.$$
faltan=0
while IFS= read -r f; do
  head -n 3 -- "$f" | grep -q -F "$linea" || { echo "no licence line: $f"; faltan=1; }
done < /tmp/novaro-licencia.$$
n=$(wc -l < /tmp/novaro-licencia.$$); rm -f /tmp/novaro-licencia.$$
[ "$faltan" -eq 0 ] || exit 1
echo "$n files carry the licence line"
