#!/usr/bin/env bash
# The screenshot the AppStream metadata shows: the main window with a peña
# checked against the history the program ships, drawn without a screen.
# uso: captura.sh BOLVERA-CLI CAPTURAS HISTORIA.csv SALIDA.png
set -euo pipefail
cli=$1 capturas=$2 historia=$3 salida=$4
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir -p "$dir/datos" "$dir/fotos"
# The peña is made before the history arrives, so that it has played it.
: > "$dir/datos/numeros.dat"
"$cli" nueva-pena --dir "$dir/datos" --hoy 2026-01-01 --nombre "DEL BAR" \
  "8 27 42 44 46 + 1 11" "5 14 17 18 31 + 10 12" "1 7 10 26 33 + 2 5" >/dev/null
"$cli" importar-csv "$historia" --dir "$dir/datos" >/dev/null
"$cli" comprobar 40 --dir "$dir/datos" >/dev/null
# A desktop-sized screen: the offscreen one is 800×600 and the window would be cut to it.
printf '{"screens": [{"name": "captura", "x": 0, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96}]}' \
  > "$dir/pantalla.json"
BOLVERA_HOY=2026-09-12 QT_QPA_PLATFORM="offscreen:configfile=$dir/pantalla.json" "$capturas" --dir "$dir/datos" --salida "$dir/fotos" >/dev/null 2>&1
cp "$dir/fotos/principal-0.png" "$salida"
