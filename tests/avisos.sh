#!/usr/bin/env bash
# The update's desktop notifications, on a session bus of their own.
set -u
command -v dbus-run-session >/dev/null || { echo "sin dbus-run-session: prueba omitida"; exit 77; }
BOLVERA_BUS_PROPIO=1 exec dbus-run-session -- "$1" --gtest_filter='CliAvisos.*'
