#!/usr/bin/env bash
# Runs the shredder benchmark (bench/shred) under a fresh sandboxed Wine prefix. Build first:
#   scripts/build native win64
#   bench/shred.sh [size in MiB, default 256] [rounds, default 3]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out="${TIDEWELL_BUILD_DIR:-$root/build}"
exe="$out/win64/bench/shred/bench_shred.exe"
if [ ! -f "$exe" ]; then
    echo "shred.sh: $exe is missing; run scripts/build native win64 first" >&2
    exit 2
fi
# shellcheck source=../scripts/lib/wine-sandbox.sh
source "$root/scripts/lib/wine-sandbox.sh"
sandbox_template "$out/wine-template"
sandbox_fresh "$out/wine-template" "$out/wine-bench-shred"
trap sandbox_stop EXIT
sandbox_start
"$WINE_LOADER" "$exe" "$@"
