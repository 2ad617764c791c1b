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
# Allocation stacks are left out of the reports (a crash found is run again
# for them): collecting them took a third of each run.
export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=0:quarantine_size_mb=64}
# Every harness built (or those FUZZ_HARNESSES names): the record files, the pages, the typed bets, and one a reader of outside input.
nombres=${FUZZ_HARNESSES:-$(cd "$build/bin" && ls fuzz_* | sed 's/^fuzz_//')}

# The longest input a harness is given. A reader of rows meets every case of
# a row within a few dozen of them, and 2 KB holds that many (typed bets: 25
# lines in 1 KB); longer inputs only repeat rows. The pages, the ZIP, the
# record files and the rest keep libFuzzer's own (4 KB, or the longest seed).
largo() {
    case $1 in
        apuestas) echo 1024 ;;
        csvsorteos | premioscsv | austria | belgica | reinounido | servicio) echo 2048 ;;
        *) echo 0 ;;
    esac
}

# One harness: its run, its speed and memory on a line of the summary; false on a finding.
# The run is a row of processes of FUZZ_TRAMO seconds (default 120) on one
# corpus: a libFuzzer process slows as it ages (ajustes, whose corpus stays at
# a few inputs, lost a quarter of its speed in ten minutes), and each new
# process starts from the whole corpus at its longest input, where -fork's
# short jobs fuzz small ones.
corre() {
    local nombre=$1 corpus="$trabajo/corpus-$1"
    mkdir -p "$corpus"
    local bien=0 ejecuciones=0 memoria=0 hecho=0 tramo
    : > "$trabajo/$nombre.log"
    while [ $bien = 0 ] && [ "$hecho" -lt "$segundos" ]; do
        tramo=$(( segundos - hecho < ${FUZZ_TRAMO:-120} ? segundos - hecho : ${FUZZ_TRAMO:-120} ))
        "$build/bin/fuzz_$nombre" -max_total_time="$tramo" -max_len="$(largo "$nombre")" -timeout=1 -rss_limit_mb=2048 \
            -print_final_stats=1 -artifact_prefix="$trabajo/fallo-$nombre-" \
            "$corpus" "$trabajo/semillas/$nombre" 2>"$trabajo/$nombre.tramo.log" || bien=1
        cat "$trabajo/$nombre.tramo.log" >> "$trabajo/$nombre.log"
        local e m
        e=$(sed -n 's/^stat::number_of_executed_units: *//p' "$trabajo/$nombre.tramo.log")
        m=$(sed -n 's/^stat::peak_rss_mb: *//p' "$trabajo/$nombre.tramo.log")
        ejecuciones=$(( ejecuciones + ${e:-0} ))
        [ "${m:-0}" -gt "$memoria" ] && memoria=$m
        hecho=$(( hecho + tramo ))
    done
    rm -f "$trabajo/$nombre.tramo.log"
    printf '%-12s %12s %10s %8s %s\n' "$nombre" "$ejecuciones" "$(( ejecuciones / segundos ))" \
        "$memoria" "$([ $bien = 0 ] && echo limpio || echo "FALLO: $trabajo/$nombre.log")"
    return $bien
}
export -f corre largo
export build trabajo segundos

# FUZZ_JOBS harnesses at a time (one a core), each for FUZZ_SECONDS.
echo "== $(wc -w <<<"$nombres") harnesses, $segundos s each, ${FUZZ_JOBS:-1} at a time"
printf '%-12s %12s %10s %8s\n' harness ejecuciones "ejec/s" "RSS MB" > "$trabajo/resumen.txt"
fallos=0
printf '%s\n' $nombres | xargs -P "${FUZZ_JOBS:-1}" -I{} bash -c 'corre {}' >> "$trabajo/resumen.txt" || fallos=1
cat "$trabajo/resumen.txt"
for registro in "$trabajo"/fallo-*; do
    [ -e "$registro" ] && { echo "hallazgo: $registro"; fallos=1; }
done
exit $fallos
