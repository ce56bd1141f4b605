#!/usr/bin/env bash
# Runs the runner benchmark under Wine inside a virtual display, warm wineserver.
# Usage: bench/run.sh [build/win]   (KORVATH_WINEPREFIX selects the Wine prefix)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$(cd "${1:-$ROOT/build/win}" && pwd)"
cmake --build "$BUILD" --target korvath_bench_runner >/dev/null
source "$ROOT/cmake/wine-env.sh"

# The console simulator's listing when it is built, else the probe child's.
TOOL=()
if [ -f "$BUILD/sim/ldconsole.exe" ]; then
    cd "$BUILD/sim" # found through the current directory, as in the program
    TOOL=(ldconsole.exe)
fi
wineserver -k 2>/dev/null || true
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    wineserver -p
    wine cmd.exe /c exit </dev/null >/dev/null 2>&1
    wine "$@" </dev/null
    rc=$?
    wineserver -k 2>/dev/null
    exit $rc' bash "$BUILD/bench/korvath_bench_runner.exe" "${TOOL[@]}"
