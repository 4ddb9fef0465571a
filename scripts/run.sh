#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds NOVARO and starts it; arguments go to the game.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target novaro -j"$(nproc)"
exec ./build/novaro "$@"
