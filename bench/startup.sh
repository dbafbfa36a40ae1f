#!/usr/bin/env bash
# Tidewell's start under Wine, from CreateProcess to the main window ready (settings loaded,
# detection done, hot keys registered, shell extension registered; the 2-second splash comes
# after and is not counted), against the empty window of bench/idle started the same way in
# the same run, the two in turns. Each start is ended as Windows ends a session, so the
# context-menu handler stays registered: then no start may cost a regsvr32 process. One start
# with the handler unregistered (as after a normal close) is shown too.
# Goal: within 200 ms of the reference. Build first (scripts/build native win64).
# Usage: bench/startup.sh [runs, default 10]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out="${TIDEWELL_BUILD_DIR:-$root/build}"
build="$out/win64"
runs="${1:-10}"
for f in Tidewell.exe Tidewell.dll NimboAction.dll idle_reference.exe startup_probe.exe; do
    [ -f "$build/$f" ] || { echo "startup.sh: $build/$f is missing; build win64 first" >&2; exit 2; }
done
# shellcheck source=../scripts/lib/wine-sandbox.sh
source "$root/scripts/lib/wine-sandbox.sh"
sandbox_template "$out/wine-template"
sandbox_fresh "$out/wine-template" "$out/wine-bench-startup"
trap sandbox_stop EXIT
sandbox_start

program="$WINEPREFIX/drive_c/Tidewell"
mkdir -p "$program"
for f in Tidewell.exe Tidewell.dll Tidewell.lng tidewell_2431.dat NimboAction.dll \
    idle_reference.exe startup_probe.exe; do
    [ -f "$build/$f" ] && cp "$build/$f" "$program/"
done
probe() { "$WINE_LOADER" 'C:\Tidewell\startup_probe.exe' "$@" </dev/null 2>/dev/null | tr -d '\r'; }

probe 'C:\Tidewell\Tidewell.exe' Tidewell 1 1 >/dev/null  # first start: settings, registration
# The two programs start in turns, so that both meet the same state of the machine.
tidewell=() reference=()
for _ in $(seq 1 "$runs"); do
    read -r t _ < <(probe 'C:\Tidewell\Tidewell.exe' Tidewell 1 1)
    read -r r _ < <(probe 'C:\Tidewell\idle_reference.exe' TidewellIdleReference 0 1)
    tidewell+=("$t") reference+=("$r")
done
spread() { printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {print v[int(NR / 2) + 1], v[1], v[NR]}'; }
read -r tMed tMin tMax < <(spread "${tidewell[@]}")
read -r rMed rMin rMax < <(spread "${reference[@]}")
"$WINE_LOADER" regsvr32 /s /u 'C:\Tidewell\NimboAction.dll' </dev/null >/dev/null 2>&1 || true
read -r cold _ < <(probe 'C:\Tidewell\Tidewell.exe' Tidewell 1 1)

awk -v n="$runs" -v tm="$tMed" -v tl="$tMin" -v th="$tMax" -v rm="$rMed" -v rl="$rMin" \
    -v rh="$rMax" -v cold="$cold" 'BEGIN {
    printf "bench/startup: %d starts each, CreateProcess to main window ready (ms)\n", n
    printf "%-40s %8s %8s %8s\n", "", "median", "min", "max"
    printf "%-40s %8.1f %8.1f %8.1f\n", "Tidewell.exe (handler registered)", tm, tl, th
    printf "%-40s %8.1f %8.1f %8.1f\n", "reference (empty window)", rm, rl, rh
    printf "%-40s %8.1f\n", "Tidewell.exe (handler unregistered)", cold
    printf "ratio Tidewell / reference %.2f; difference %.1f ms; goal <= 200 ms %s\n", \
        (rm > 0 ? tm / rm : 0), tm - rm, (tm - rm <= 200 ? "met" : "missed")
}'
