#!/usr/bin/env bash
# The update's desktop notifications, on a session bus of their own: its own
# configuration and service folder, so that no notification service the
# machine has installed is ever started by a test.
set -u
command -v dbus-run-session >/dev/null || { echo "sin dbus-run-session: prueba omitida"; exit 77; }
carpeta=$(mktemp -d)
trap 'rm -rf "$carpeta"' EXIT
mkdir "$carpeta/servicios"
cat >"$carpeta/bus.conf" <<FIN
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$carpeta</listen>
  <auth>EXTERNAL</auth>
  <servicedir>$carpeta/servicios</servicedir>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
FIN
BOLVERA_BUS_PROPIO=1 BOLVERA_SERVICIOS_BUS="$carpeta/servicios" \
  dbus-run-session --config-file="$carpeta/bus.conf" -- "$1" --gtest_filter='CliAvisos.*'
