#!/usr/bin/env bash
# Runs every fuzz harness for FUZZ_SECONDS (default 60) on seeds made by the
# project; fails on any crash, sanitizer report, leak or input slower than 1 s,
# and prints each harness's executions per second.
set -uo pipefail
build=${1:-build-fuzz}
segundos=${FUZZ_SECONDS:-60}
trabajo="$build/fuzz-trabajo"
mkdir -p "$trabajo"
"$build/bin/semillas" "$trabajo/semillas" || exit 1
# The real shapes as well: the history the program ships and, when the shared
# data is there, the Spanish prize amounts.
raiz=$(cd "$(dirname "$0")/.." && pwd)
head -60 "$raiz/resources/euromillones.csv" > "$trabajo/semillas/csvsorteos/real"
[ -f "$raiz/../shared/data/premios-es.csv" ] && head -40 "$raiz/../shared/data/premios-es.csv" > "$trabajo/semillas/premioscsv/real"
# Corpora kept in the repository (minimised) seed the runs too.
for guardado in "$raiz"/fuzz/corpus/*/; do
  [ -d "$guardado" ] && cp "$guardado"* "$trabajo/semillas/$(basename "$guardado")/" 2>/dev/null
done
fallos=0
# Every harness built: the record files, the pages, the typed bets, and one a reader of outside input.
nombres=$(cd "$build/bin" && ls fuzz_* | sed 's/^fuzz_//')
printf '%-12s %12s %10s %8s\n' harness ejecuciones "ejec/s" "RSS MB" > "$trabajo/resumen.txt"
for nombre in $nombres; do
    corpus="$trabajo/corpus-$nombre"
    mkdir -p "$corpus"
    echo "== fuzz_$nombre: $segundos s"
    if ! "$build/bin/fuzz_$nombre" -max_total_time="$segundos" -timeout=1 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$trabajo/fallo-$nombre-" \
        "$corpus" "$trabajo/semillas/$nombre" 2>"$trabajo/$nombre.log"; then
        echo "FAILED: fuzz_$nombre (see $trabajo/$nombre.log)"
        tail -30 "$trabajo/$nombre.log"
        fallos=1
    fi
    ejecuciones=$(sed -n 's/^stat::number_of_executed_units: *//p' "$trabajo/$nombre.log")
    memoria=$(sed -n 's/^stat::peak_rss_mb: *//p' "$trabajo/$nombre.log")
    printf '%-12s %12s %10s %8s\n' "$nombre" "$ejecuciones" "$(( ${ejecuciones:-0} / segundos ))" "$memoria" \
      | tee -a "$trabajo/resumen.txt"
done
cat "$trabajo/resumen.txt"
exit $fallos
