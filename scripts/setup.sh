#!/usr/bin/env bash
# Installs what NOVARO needs on Debian 12 and configures the build. Safe to run again.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  # build
  cmake g++ make pkg-config qt6-base-dev qt6-multimedia-dev libqt6multimedia6
  gstreamer1.0-plugins-base fonts-liberation
  # end-to-end: a real X server, the accessibility bus and a screen reader
  xvfb xdotool x11-utils dbus-daemon dbus-bin dbus-x11 at-spi2-core python3 python3-pyatspi
  orca speech-dispatcher speech-dispatcher-espeak-ng speech-dispatcher-audio-plugins
  espeak-ng libao4 procps faketime libfaketime
  # sanitizers, fuzzing, benchmarks
  clang-14 libclang-rt-14-dev libbenchmark-dev libx11-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
