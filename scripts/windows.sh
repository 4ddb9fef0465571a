#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# NOVARO for Windows, made and tested inside the Debian 13 root that scripts/debian13.sh uses:
# a Windows Qt cross-built once from Debian's qt6-base source, the game cross-built against it,
# the installer and the portable archive in dist/, and the tests under Wine on Xvfb.
# Run as root (or with sudo).
#   NOVARO_TRIXIE_ROOT   where the root lives (default /var/cache/novaro-trixie)
set -euo pipefail
cd "$(dirname "$0")/.."

# Inside the root the Windows Qt lives here; the stamp says it was built to the end, and how.
QT_WIN=/opt/qt6-win64
QT_STAMP=$QT_WIN/.novaro-completo
QT_WORK=/var/cache/novaro-qt-win
TOOLCHAIN=$PWD/cmake/mingw64.cmake

packages=(
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools
  qt6-base-dev-tools qt6-base-dev qt6-l10n-tools ninja-build cmake dpkg-dev
  nsis wine wine64 xvfb xdotool x11-utils zip unzip icoutils file python3
)

install_packages() {
  local missing=() p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  flock /var/lib/apt/novaro-apt.lock sh -c 'apt-get update -qq &&
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@"' _ "${missing[@]}"
}

# The configuration measured to build here, with Qt Test kept for the tests and the modules and
# plug-ins the game never loads left out, to save build minutes.
qt_options=(
  -release -xplatform win32-g++ -qt-host-path /usr -nomake tests -nomake examples
  -no-opengl -no-dbus -no-feature-sql -no-feature-network -no-feature-xml
  -no-feature-concurrent -no-feature-printsupport -no-feature-tabletevent
  -qt-zlib -qt-pcre -qt-libpng -no-freetype -no-fontconfig -no-icu -no-pkg-config
  -no-feature-jpeg -no-feature-gif -unity-build
)

qt_windows() {
  local want
  want="qt6-base $(dpkg-query -W -f='${source:Version}' qt6-base-dev) ${qt_options[*]}"
  [ -f "$QT_STAMP" ] && [ "$(cat "$QT_STAMP")" = "$want" ] && return
  echo "windows.sh: building the Windows Qt (about half an hour on two cores)"
  local t0=$SECONDS
  # Whatever was left by an earlier, unfinished or different build is started over.
  rm -rf "$QT_WIN" "$QT_WORK"
  mkdir -p "$QT_WORK" "$QT_WIN"
  if [ ! -f /etc/apt/sources.list.d/debian-src.sources ]; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
      > /etc/apt/sources.list.d/debian-src.sources
    flock /var/lib/apt/novaro-apt.lock apt-get update -qq
  fi
  (cd "$QT_WORK" && apt-get source -qq --download-only \
     "qt6-base=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)" &&
   dpkg-source -x --skip-patches ./*.dsc src >/dev/null)
  # The installed Qt names the toolchain file it was made with: it keeps its own copy.
  cp cmake/mingw64.cmake "$QT_WIN/mingw64.cmake"
  mkdir -p "$QT_WORK/build"
  (cd "$QT_WORK/build" &&
   ../src/configure -prefix "$QT_WIN" "${qt_options[@]}" -- -G Ninja \
     -DCMAKE_TOOLCHAIN_FILE="$QT_WIN/mingw64.cmake" \
     -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake > configure.log &&
   nice -n 10 cmake --build . --parallel 2 > build.log &&
   cmake --install . > install.log)
  rm -rf "$QT_WORK"
  echo "$want" > "$QT_STAMP"
  echo "windows.sh: Windows Qt built in $(( (SECONDS - t0) / 60 )) min $(( (SECONDS - t0) % 60 )) s"
}

B=build-win        # the Windows build, kept inside the root between runs
L=build-linux      # a plain Linux build: the end-to-end test loads a Windows slot in it
LINUX_GAME=${NOVARO_LINUX_GAME:-}   # or this Linux game, when one was built from the same files
DIST=dist

construir() {
  local t0=$SECONDS
  ./scripts/setup.sh >/dev/null   # the Linux build's packages
  [ -f "$B/build.ninja" ] || "$QT_WIN/bin/qt-cmake" -S . -B "$B" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    > "$B.configure.log"
  nice -n 10 cmake --build "$B" --parallel 2
  file "$B/novaro.exe"
  file "$B/novaro.exe" | grep -Eq 'PE32\+ executable.*\(GUI\).*x86-64' ||
    { echo "windows.sh: novaro.exe is no 64-bit Windows GUI program" >&2; return 1; }
  echo "windows.sh: built in $((SECONDS - t0)) s"
}

version() { sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$B/CMakeCache.txt"; }

empaquetar() {
  local v carpeta lista
  v=$(version)
  carpeta=$PWD/$B/NOVARO-$v
  rm -rf "$carpeta" "$DIST"; mkdir -p "$DIST"
  cmake --install "$B" --prefix "$carpeta" > /dev/null
  # The uninstaller removes exactly what the installer put there.
  lista=$PWD/$B/archivos.nsh
  (cd "$carpeta" && find . -type f | sed 's|^\./||; s|/|\\|g' | sort |
     sed 's|.*|  Delete "$INSTDIR\\&"|') > "$lista"
  makensis -V2 -DVERSION="$v" -DCARPETA="$carpeta" -DLISTA="$lista" \
    -DSALIDA="$PWD/$DIST/NOVARO-$v-setup.exe" packaging/windows/novaro.nsi
  (cd "$B" && rm -f "../$DIST/NOVARO-$v-windows.zip" && zip -qr -X "../$DIST/NOVARO-$v-windows.zip" "NOVARO-$v")
  file "$DIST/NOVARO-$v-setup.exe"
  ls -l "$DIST"
}

# A private Wine prefix and X server for the tests; both go when the script ends.
preparar_wine() {
  export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
  WINEPREFIX=$(mktemp -d /tmp/novaro-wine.XXXXXX)
  local pantalla=$WINEPREFIX.pantalla
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$pantalla" 2>/dev/null &
  XVFB_PID=$!
  trap 'wineserver -k 2>/dev/null || true; kill "$XVFB_PID" 2>/dev/null || true; rm -rf "$WINEPREFIX" "$WINEPREFIX.pantalla"' EXIT
  for _ in $(seq 100); do [ -s "$pantalla" ] && break; sleep 0.1; done
  export DISPLAY=:$(head -n1 "$pantalla")
  wineboot -i 2>/dev/null
  wineserver -w
}

probar() {
  local t0=$SECONDS gcc_dlls
  if [ -z "$LINUX_GAME" ]; then
    ./scripts/setup.sh >/dev/null   # the Linux build's packages
    [ -f "$L/build.ninja" ] || cmake -S . -B "$L" -G Ninja -DCMAKE_BUILD_TYPE=Release > "$L.configure.log"
    nice -n 10 cmake --build "$L" --parallel 2 --target novaro
    LINUX_GAME=$L/novaro
  fi
  gcc_dlls=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
  # The Qt tests find Qt's DLLs (and through them its plug-ins) and MinGW's where they were built.
  WINEPATH="$(winepath -w "$QT_WIN/bin");$(winepath -w "$gcc_dlls");$(winepath -w /usr/x86_64-w64-mingw32/lib)" \
    ctest --test-dir "$B" --output-on-failure --timeout 600
  local v; v=$(version)
  python3 tests/e2e/windows_instalador.py "$DIST/NOVARO-$v-setup.exe" "$DIST/NOVARO-$v-windows.zip" \
    "$B/despertar_uia.exe" "$LINUX_GAME" "$B/jaws_simulado.exe"
  echo "windows.sh: tests took $((SECONDS - t0)) s"
}

# --sin-probar: everything up to the installer and the archive; --solo-probar: only the tests,
# on what a --sin-probar run made (CI makes it beside the Linux suites).
dentro() {
  install_packages
  if [ "${1:-}" != --solo-probar ]; then
    qt_windows
    construir
    empaquetar
  fi
  [ "${1:-}" = --sin-probar ] && return
  preparar_wine
  probar
}

if [ "${1:-}" = --dentro ]; then shift; dentro "$@"; exit; fi
t_inicio=$SECONDS

if [ "$(id -u)" -ne 0 ]; then exec sudo -E "$0" "$@"; fi
# One run at a time: a second would rebuild the Windows Qt and the build under the first.
exec 9>/var/lock/novaro-windows.lock
flock 9
. scripts/raiz-trixie.sh
[ -x "$R/bin/bash" ] || make_root
copy_sources /root/novaro-win
fresh_state
args=$(printf ' %q' "$@")
# The Debian 13 suite's game, when it was built from these files (as in CI), loads the slot.
linux=
if [ -x "$R/root/novaro/build-tests/novaro" ] &&
   [ "$(cat "$R/root/novaro.huella" 2>/dev/null)" = "$(huella_fuentes)" ]; then
  linux="NOVARO_LINUX_GAME=/root/novaro/build-tests/novaro "
fi
inside "cd /root/novaro-win && ${linux}./scripts/windows.sh --dentro$args"
# What was made leaves the root for the clone that asked for it.
if [ "${1:-}" != --sin-probar ]; then
  rm -rf dist; cp -r "$R/root/novaro-win/dist" dist
  ls -l dist
fi
echo "windows.sh: $((SECONDS - t_inicio)) s in all"
