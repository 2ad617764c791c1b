#!/usr/bin/env bash
# Runs every fuzz harness for FUZZ_SECONDS (default 60) on seeds made by the
# project; fails on any crash, sanitizer report, leak or input slower than 1 s.
set -uo pipefail
build=${1:-build-fuzz}
segundos=${FUZZ_SECONDS:-60}
trabajo="$build/fuzz-trabajo"
mkdir -p "$trabajo"
"$build/bin/semillas" "$trabajo/semillas" || exit 1
fallos=0
for nombre in registros paginas apuestas; do
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
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$trabajo/$nombre.log"
done
exit $fallos
