#!/usr/bin/env bash
# Tidewell idling hidden in the tray under Wine, beside an empty Win32 window with a 1-second
# timer started in the same run. Per second: CPU time (all threads), wake-ups (messages the
# program's loop took, counted inside; and the Linux context switches of all its threads, where
# every call into the Wine server counts too); and memory: private bytes as Windows counts them
# (committed private memory), and the Linux process's private pages, which add Wine's own
# Unix-side allocations (fonts, X11).
# Goals for Tidewell: at most 0.5 ms CPU/s, at most 2 wake-ups/s, at most 10 MB private memory.
# Build first (scripts/build native win64). Usage: bench/idle.sh [seconds, default 60]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out="${TIDEWELL_BUILD_DIR:-$root/build}"
build="$out/win64"
seconds="${1:-60}"
for f in Tidewell.exe Tidewell.dll poke.exe idle_reference.exe; do
    [ -f "$build/$f" ] || { echo "idle.sh: $build/$f is missing; build win64 first" >&2; exit 2; }
done
# shellcheck source=../scripts/lib/wine-sandbox.sh
source "$root/scripts/lib/wine-sandbox.sh"
sandbox_template "$out/wine-template"
sandbox_fresh "$out/wine-template" "$out/wine-bench-idle"
trap sandbox_stop EXIT
sandbox_start

program="$WINEPREFIX/drive_c/Tidewell"
mkdir -p "$program"
for f in Tidewell.exe Tidewell.dll Tidewell.lng tidewell_2431.dat poke.exe idle_reference.exe; do
    [ -f "$build/$f" ] && cp "$build/$f" "$program/"
done
poke() { "$WINE_LOADER" 'C:\Tidewell\poke.exe' "$@" </dev/null 2>/dev/null | tr -d '\r'; }

"$WINE_LOADER" 'C:\Tidewell\Tidewell.exe' /s </dev/null >/dev/null 2>&1 &
tidewell=$!
"$WINE_LOADER" 'C:\Tidewell\idle_reference.exe' </dev/null >/dev/null 2>&1 &
reference=$!
sleep 10  # splash, start-up hiding, settling

# cpu_ns PID: time on the CPU of all threads, in nanoseconds.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { print s + 0 }'; }
# switches PID: voluntary and involuntary context switches of all threads.
switches() {
    cat /proc/"$1"/task/*/status 2>/dev/null |
        awk '/ctxt_switches/ { s += $2 } END { print s + 0 }'
}
# private_kb PID: private memory of the Linux process.
private_kb() { awk '/^Private_(Clean|Dirty)/ { s += $2 } END { print s + 0 }' /proc/"$1"/smaps_rollup; }

for pid in "$tidewell" "$reference"; do
    kill -0 "$pid" 2>/dev/null || { echo "idle.sh: a program did not start" >&2; exit 1; }
done
c0t=$(cpu_ns "$tidewell"); s0t=$(switches "$tidewell"); m0t=$(poke count Tidewell)
c0r=$(cpu_ns "$reference"); s0r=$(switches "$reference"); m0r=$(poke count TidewellIdleReference)
sleep "$seconds"
c1t=$(cpu_ns "$tidewell"); s1t=$(switches "$tidewell"); m1t=$(poke count Tidewell)
c1r=$(cpu_ns "$reference"); s1r=$(switches "$reference"); m1r=$(poke count TidewellIdleReference)
read -r winT _ < <(poke memory Tidewell)
read -r winR _ < <(poke memory TidewellIdleReference)
visible=$(poke visible Tidewell)

awk -v s="$seconds" -v ct=$((c1t - c0t)) -v cr=$((c1r - c0r)) -v mt=$((m1t - m0t)) \
    -v mr=$((m1r - m0r)) -v wt=$((s1t - s0t)) -v wr=$((s1r - s0r)) \
    -v pt="$(private_kb "$tidewell")" -v pr="$(private_kb "$reference")" \
    -v qt="$winT" -v qr="$winR" 'BEGIN {
    ct /= 1e6 * s; cr /= 1e6 * s; mt /= s; mr /= s; wt /= s; wr /= s; pt /= 1024; pr /= 1024
    qt /= 1024; qr /= 1024
    printf "bench/idle: %d s; Tidewell.exe /s hidden in the tray, beside an empty window with a 1 s timer\n", s
    printf "%-27s %9s %12s %13s %12s %12s\n", "", "CPU ms/s", "wake-ups/s", "ctx switch/s", "private MB", "private MB"
    printf "%-27s %9s %12s %13s %12s %12s\n", "", "", "(messages)", "(Linux)", "(Windows)", "(Linux)"
    printf "%-27s %9.3f %12.2f %13.2f %12.1f %12.1f\n", "Tidewell.exe", ct, mt, wt, qt, pt
    printf "%-27s %9.3f %12.2f %13.2f %12.1f %12.1f\n", "reference (window + timer)", cr, mr, wr, qr, pr
    printf "%-27s %9.2f %12.2f %13.2f %12.2f %12.2f\n", "ratio Tidewell / reference", \
        (cr > 0 ? ct / cr : 0), (mr > 0 ? mt / mr : 0), (wr > 0 ? wt / wr : 0), (qr > 0 ? qt / qr : 0), \
        (pr > 0 ? pt / pr : 0)
    printf "goals: CPU <= 0.5 ms/s %s; wake-ups <= 2/s %s; private memory <= 10 MB %s\n", \
        (ct <= 0.5 ? "met" : "missed"), (mt <= 2 ? "met" : "missed"), (qt <= 10 ? "met" : "missed")
}'
echo "main window visible at the end: $visible (expected: no)"
poke close
wait "$tidewell" 2>/dev/null || true
kill "$reference" 2>/dev/null || true
