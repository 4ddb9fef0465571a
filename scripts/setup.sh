#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages NOVARO needs (Debian 12 or 13) and configures the build.
# Safe to run again. `setup.sh` installs what building and playing needs; `setup.sh --web`
# adds the browser edition's compiler; `setup.sh --pruebas` adds everything only the tests need.
set -euo pipefail
cd "$(dirname "$0")/.."

. /etc/os-release
case "${VERSION_ID:-}" in
  12) clang=14 ;;
  *)  clang=19 ;;   # Debian 13 and later
esac

# What building needs: debian/control's Build-Depends lists the same packages, keep the two in step.
build=(cmake g++ make pkg-config python3 qt6-base-dev qt6-multimedia-dev qt6-tools-dev qt6-l10n-tools)
packages=("${build[@]}" libqt6multimedia6 fonts-liberation)
# Qt 6.4's multimedia plays through GStreamer; Qt 6.8's through FFmpeg, which it pulls in.
[ "${VERSION_ID:-}" != 12 ] || packages+=(gstreamer1.0-plugins-base)

# The browser edition: Debian's emscripten and esbuild, nothing downloaded at build time.
web=(emscripten esbuild)
[ "${1:-}" != --web ] || packages+=("${web[@]}")

# NOVARO_SIN_WEB=1: tests without the browser edition (the Debian 13 suite).
sin_web=${NOVARO_SIN_WEB:-0}
if [ "${1:-}" = --pruebas ] && [ "$sin_web" != 1 ]; then
  # the browser edition's tests drive Debian's own browsers; WebKitGTK stands for the
  # engine of every iPhone browser, driven through its WebDriver and MiniBrowser
  packages+=("${web[@]}" chromium firefox-esr webkit2gtk-driver)
  # Debian's npm only where no node came with one: it would not replace another node's.
  command -v npm >/dev/null || packages+=(nodejs npm)
fi

if [ "${1:-}" = --pruebas ]; then
  packages+=(
    # end-to-end: a real X server, the accessibility bus and a screen reader
    xvfb xdotool xclip x11-utils dbus-daemon dbus-bin dbus-x11 at-spi2-core python3-pyatspi
    orca speech-dispatcher speech-dispatcher-espeak-ng speech-dispatcher-audio-plugins
    espeak-ng libao4 procps libfaketime
    # a sound server on a null sink for the sound tests
    pulseaudio pulseaudio-utils
    # sanitizers, fuzzing, benchmarks
    "clang-$clang" "libclang-rt-$clang-dev" libbenchmark-dev libx11-dev
    # the Debian package: built by Debian's tools, judged by lintian and hardening-check (devscripts)
    build-essential debhelper dpkg-dev lintian devscripts desktop-file-utils appstream
  )
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Instalando: ${missing[*]}"
  # One apt at a time: CI installs into the Debian 13 root and here at once.
  $sudo flock /var/lib/apt/novaro-apt.lock sh -c 'apt-get update &&
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$@"' _ "${missing[@]}"
fi

# The browser tests' npm packages, at the versions the lock file pins (no browser
# download), installed again only when the lock file changed.
if [ "${1:-}" = --pruebas ] && [ "$sin_web" != 1 ] && ! [ tests/web/node_modules/.package-lock.json -nt tests/web/package-lock.json ]; then
  (cd tests/web && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
fi
