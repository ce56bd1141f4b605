#!/usr/bin/env bash
# Runs the real program under Wine against the simulator's demo instances and
# drives one whole slimming run, saving a screenshot at each stage.
# Usage: demo.sh <windows build dir>   (inside a display: $DISPLAY or Xvfb)
set -euo pipefail
build="$1"
root="$(cd "$(dirname "$0")/../.." && pwd)"
source "$root/cmake/wine-env.sh"
out="$root/demo-out"
mkdir -p "$out"
rm -f "$out"/*.png
wine "$build/tests/e2e/korvath_demo.exe" "$out"
echo "screenshots are in $out"
