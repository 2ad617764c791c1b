#!/usr/bin/env bash
# Runs a test program in real windows: an X server with a window manager, so
# that focus and activation behave as on a user's desktop (the offscreen
# platform hides their faults). Exit 77 (skipped) when the tools are missing.
# PANTALLA (WxH, 1280x1024 by default) and PANEL (pixels the window manager
# keeps free at the bottom, as a desktop panel does) set the screen.
set -u
for herramienta in Xvfb openbox xdotool; do
  command -v "$herramienta" >/dev/null || { echo "sin $herramienta: prueba omitida"; exit 77; }
done

pantalla=""
for n in $(seq 91 140); do
  [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ] || { pantalla=":$n"; break; }
done
[ -n "$pantalla" ] || { echo "no hay pantalla libre"; exit 1; }

Xvfb "$pantalla" -screen 0 "${PANTALLA:-1280x1024}x24" -nolisten tcp >/dev/null 2>&1 &
servidor=$!
gestor=""
config=""
trap 'kill $gestor $servidor 2>/dev/null; wait 2>/dev/null; rm -f "$config"' EXIT
export DISPLAY="$pantalla"
for _ in $(seq 1 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

config=$(mktemp)
cat >"$config" <<EOF
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <margins><top>0</top><bottom>${PANEL:-0}</bottom><left>0</left><right>0</right></margins>
</openbox_config>
EOF
openbox --sm-disable --config-file "$config" >/dev/null 2>&1 &
gestor=$!
sleep 0.5

QT_QPA_PLATFORM=xcb "$@"
