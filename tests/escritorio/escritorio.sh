#!/usr/bin/env bash
# Runs a test program in real windows: an X server with a window manager, so
# that focus and activation behave as on a user's desktop (the offscreen
# platform hides their faults). Exit 77 (skipped) when the tools are missing.
set -u
for herramienta in Xvfb openbox xdotool; do
  command -v "$herramienta" >/dev/null || { echo "sin $herramienta: prueba omitida"; exit 77; }
done

pantalla=""
for n in $(seq 91 140); do
  [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ] || { pantalla=":$n"; break; }
done
[ -n "$pantalla" ] || { echo "no hay pantalla libre"; exit 1; }

Xvfb "$pantalla" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
servidor=$!
gestor=""
trap 'kill $gestor $servidor 2>/dev/null; wait 2>/dev/null' EXIT
export DISPLAY="$pantalla"
for _ in $(seq 1 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

openbox --sm-disable >/dev/null 2>&1 &
gestor=$!
sleep 0.5

QT_QPA_PLATFORM=xcb "$@"
