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
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The configuration measured to build here, with Qt Test kept for the tests and the modules and
# plug-ins the game never loads left out, to save build minutes.
qt_options=(
  -release -xplatform win32-g++ -qt-host-path /usr -nomake tests -nomake examples
  -no-opengl -no-dbus -no-feature-sql -no-feature-network -no-feature-xml
  -no-feature-concurrent -no-feature-printsupport -no-feature-tabletevent -no-feature-direct2d
  -qt-zlib -qt-pcre -qt-libpng -no-freetype -no-fontconfig -no-icu -no-pkg-config
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
    apt-get update -qq
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

dentro() {
  install_packages
  qt_windows
  [ "${1:-}" = --solo-qt ] && return
}

if [ "${1:-}" = --dentro ]; then shift; dentro "$@"; exit; fi

if [ "$(id -u)" -ne 0 ]; then exec sudo -E "$0" "$@"; fi
. scripts/raiz-trixie.sh
[ -x "$R/bin/bash" ] || make_root
copy_sources /root/novaro-win
args=$(printf ' %q' "$@")
inside "cd /root/novaro-win && ./scripts/windows.sh --dentro$args"
