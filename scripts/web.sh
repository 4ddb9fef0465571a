#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the browser edition into dist/web/ (a static site) with Debian's emscripten.
#   web.sh                  build
#   web.sh --servir [PORT]  build, then serve it at http://127.0.0.1:PORT/ (8080 by default)
# NOVARO_WEB_BUILD and NOVARO_WEB_DESTINO choose the build folder and the site's folder.
set -euo pipefail
cd "$(dirname "$0")/.."
raiz=$PWD
construccion=${NOVARO_WEB_BUILD:-$raiz/build-web}
destino=${NOVARO_WEB_DESTINO:-$raiz/dist/web}

./scripts/setup.sh --web
# Debian's emscripten finds its JavaScript modules (acorn) there, whatever node is installed.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

nice -n 10 emcmake cmake -S . -B "$construccion" -DCMAKE_BUILD_TYPE=Release >/dev/null
nice -n 10 cmake --build "$construccion" --target novaro-web -j2

rm -rf "$destino"
mkdir -p "$destino"
cp "$construccion"/novaro.js "$construccion"/novaro.wasm "$destino"/
cp web/index.html web/estilo.css web/sw.js web/manifest.webmanifest "$destino"/
# The page's modules as one file: a phone on a slow link waits for one request, not one per module.
esbuild web/pagina.js --bundle --format=esm --minify --log-level=warning --outfile="$destino"/pagina.js
cp resources/CambioTablero.wav "$destino"/
cp resources/iconos/128.png "$destino"/icono-128.png
cp resources/iconos/256.png "$destino"/icono-256.png
# The service worker's cache is named after what it holds, so a new build replaces the old.
version=$(cat "$destino"/novaro.wasm "$destino"/*.js "$destino"/index.html "$destino"/estilo.css | sha256sum | cut -c1-16)
sed -i "s/@VERSION@/$version/" "$destino"/sw.js
echo "NOVARO para el navegador: $destino"

if [ "${1:-}" = --servir ]; then
  puerto=${2:-8080}
  echo "http://127.0.0.1:$puerto/"
  cd "$destino" && exec python3 -m http.server "$puerto" --bind 127.0.0.1
fi
