#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A private PulseAudio server on a null sink for the sound tests, so they play through a
# real sound server on every Debian release (Qt 6.8's FFmpeg back end will not open a
# sound without one, Qt 6.4's GStreamer one does not mind) and need no sound card.
#   servidor_sonido.sh arrancar|parar DIR     the socket is DIR/native
set -eu
dir=$2
export HOME="$dir" XDG_RUNTIME_DIR="$dir" PULSE_RUNTIME_PATH="$dir" XDG_CONFIG_HOME="$dir/config"
case $1 in
arrancar)
  mkdir -p "$dir"
  chmod 700 "$dir"
  "$0" parar "$dir"
  # -n: none of the system's start-up modules (no sound card, no desktop session).
  pulseaudio --daemonize=yes -n --exit-idle-time=-1 --use-pid-file=yes --system=no \
    --log-target=file:"$dir/pulseaudio.log" \
    --load="module-native-protocol-unix socket=$dir/native auth-anonymous=1" \
    --load="module-null-sink sink_name=nula"
  for _ in $(seq 50); do
    [ -S "$dir/native" ] && pactl --server="unix:$dir/native" info >/dev/null 2>&1 && exit 0
    sleep 0.1
  done
  echo "the PulseAudio server did not start; see $dir/pulseaudio.log" >&2
  exit 1 ;;
parar)
  pulseaudio --kill 2>/dev/null || true
  rm -f "$dir/native" ;;
esac
