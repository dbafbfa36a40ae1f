#!/usr/bin/env bash
# Runs the walk benchmark (bench/walk) under a fresh sandboxed Wine prefix: the washer of
# "Windows Temporary Files" over a generated tree in C:\windows\Temp\ of that prefix, against
# the bare system calls. Build first:
#   scripts/build native win64
#   bench/walk.sh [folders, default 1000] [files per folder, default 100] [rounds, default 1]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out="${TIDEWELL_BUILD_DIR:-$root/build}"
exe="$out/win64/bench/walk/bench_walk.exe"
if [ ! -f "$exe" ]; then
    echo "walk.sh: $exe is missing; run scripts/build native win64 first" >&2
    exit 2
fi
# shellcheck source=../scripts/lib/wine-sandbox.sh
source "$root/scripts/lib/wine-sandbox.sh"
sandbox_template "$out/wine-template"
sandbox_fresh "$out/wine-template" "$out/wine-bench-walk"
trap sandbox_stop EXIT
sandbox_start
"$WINE_LOADER" "$exe" "$@"
