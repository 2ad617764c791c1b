#!/usr/bin/env bash
# The layers of src/ in order: each folder includes only from itself and the
# folders it may use. The build already keeps the core from seeing the
# windows; this keeps the order inside each layer.
set -u
src="${1:?uso: capas.sh SRC}"

declare -A puede=(
  [core/programa]=""
  [core/store]=""
  [core/checking]="core/store"
  [core/platform]="core/store core/programa"
  [core/update]="core/platform core/checking core/store core/programa"
  [core/create]="core/checking core/store"
  [core/print]="core/checking core/store"
  [gui/comun]="core"
  [gui/platform/qt]="core"
  [gui/print]="core gui/comun"
  [gui/shell]="core gui/comun"
  [gui/create]="core gui/comun"
  [gui/main]="core gui"
  [app]="core gui"
)

fallos=0
while IFS= read -r fichero; do
  relativo="${fichero#"$src"/}"
  carpeta="$(dirname "$relativo")"
  [ -n "${puede[$carpeta]+x}" ] || { echo "carpeta sin capa: $carpeta ($relativo)"; fallos=1; continue; }
  while IFS= read -r incluido; do
    # Every include names its layer: where it lands is its folder.
    [ -e "$src/$incluido" ] || continue # generated headers
    destino="$(dirname "$incluido")"
    [ "$destino" = "$carpeta" ] && continue
    permitido=0
    for p in ${puede[$carpeta]}; do
      case "$destino" in "$p" | "$p"/*) permitido=1 ;; esac
    done
    [ $permitido = 1 ] || { echo "$relativo incluye $incluido ($destino)"; fallos=1; }
  done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$fichero")
done < <(find "$src" \( -name '*.cpp' -o -name '*.h' \) | sort)
exit $fallos
