#!/usr/bin/env bash
# Sets up and builds, then repairs the bundled damaged sample with meshwright.
#   ./run.sh            repair the bundled sample and show what was recovered
#   ./run.sh ARGS...    run meshwright with ARGS
#   ./run.sh gui        start the desktop program tarq
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc)"
bin="$build/bin"
if [ $# -gt 0 ] && [ "$1" = gui ]; then
  shift
  exec "$bin/tarq" "$@"
elif [ $# -gt 0 ]; then
  exec "$bin/meshwright" "$@"
fi
sample="$bin/samples/sample_damaged.stl"
out="$build/sample_damaged_fixed.stl"
echo
echo "== The bundled damaged sample (a trefoil-knot tube of $(
  "$bin/meshwright" info --json "$bin/samples/sample_original.stl" | sed -n 's/.*"stored_count":\([0-9]*\).*/\1/p'
) facets before the damage) =="
"$bin/meshwright" info "$sample"
echo
echo "== Repair =="
"$bin/meshwright" repair --overwrite -o "$out" "$sample"
echo
echo "== The repaired file =="
"$bin/meshwright" info "$out"
