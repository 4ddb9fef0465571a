#!/usr/bin/env bash
# Builds NOVARO and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake --build build --target novaro -j"$(nproc)"
exec ./build/novaro "$@"
