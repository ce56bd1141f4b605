#!/usr/bin/env bash
# Runs every benchmark under Wine inside one virtual display, warm wineserver.
# Usage: bench/run.sh [build/win]   (KORVATH_WINEPREFIX selects the Wine prefix)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$(cd "${1:-$ROOT/build/win}" && pwd)"
BENCHES=(korvath_bench_runner korvath_bench_slimming korvath_bench_startup)
cmake --build "$BUILD" --target "${BENCHES[@]}" >/dev/null
PROGRAMS=()
for bench in "${BENCHES[@]}"; do PROGRAMS+=("$BUILD/bench/$bench.exe"); done
source "$ROOT/cmake/wine-env.sh"

echo "date: $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | xargs)," \
    "load $(cut -d' ' -f1-3 /proc/loadavg), $(wine --version)"
wineserver -k 2>/dev/null || true
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    wineserver -p
    wine cmd.exe /c exit </dev/null >/dev/null 2>&1
    rc=0
    for bench in "$@"; do
        printf "\n## %s\n\n" "${bench##*/}"
        wine "$bench" </dev/null || rc=1
    done
    wineserver -k 2>/dev/null
    exit $rc' bash "${PROGRAMS[@]}"
