#!/usr/bin/env bash
# Writes a manual page from its template and the program's own --help, so
# that the two never drift apart: @AYUDA@ becomes the help's entries, one
# tagged paragraph each, and its closing lines plain paragraphs.
# uso: manual.sh PROGRAMA PLANTILLA SALIDA.gz VERSION FECHA
set -euo pipefail
programa=$1 plantilla=$2 salida=$3 version=$4 fecha=$5

# groff: a backslash, a hyphen as a minus sign, a double quote (which would
# group a macro's arguments) and a leading dot or quote kept as text.
escapa() { sed -e 's/\\/\\e/g' -e 's/-/\\-/g' -e 's/"/\\(dq/g' -e "s/^\\([.']\\)/\\\\\\&\\1/"; }

ayuda() {
  "$programa" --help | tail -n +2 | awk '
    /^  [^ ]/ {
      visto = 1
      linea = substr($0, 3)
      corte = match(linea, /   +/)
      if (corte) { print ".TP"; print ".B " substr(linea, 1, corte - 1); texto = substr(linea, corte); sub(/^ +/, "", texto); print texto }
      else { print ".TP"; print ".B " linea }
      next
    }
    /^   +/ { texto = $0; sub(/^ +/, "", texto); print texto; next }
    # A line before the first entry says what DESCRIPCIÓN already says.
    visto { print ".PP"; print $0 }
  ' | while IFS= read -r l; do
    case "$l" in
      .TP|.PP) echo "$l" ;;
      ".B "*) echo ".B $(printf '%s' "${l#.B }" | escapa)" ;;
      *) printf '%s\n' "$l" | escapa ;;
    esac
  done
}

texto=$(ayuda)
tmp=$(mktemp)
trap 'rm -f "$tmp"' EXIT
while IFS= read -r l; do
  case "$l" in
    @AYUDA@) printf '%s\n' "$texto" ;;
    *) l=${l//@VERSION@/$version}; printf '%s\n' "${l//@FECHA@/$fecha}" ;;
  esac
done < "$plantilla" > "$tmp"
gzip -9nc "$tmp" > "$salida"
