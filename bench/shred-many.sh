#!/usr/bin/env bash
# Destroys 10,000 files of 1-64 KiB in 100 folders through the Vanish page's path (WashFile on
# the folders, bench/shred_many) at the levels "2", "3L" and "4L", and GNU shred -u -n P (P the
# level's passes: 3, 7, 35) over a copy of the same tree in the same run; prints both times and
# their ratio. Build first (scripts/build native win64), then:
#   bench/shred-many.sh [folders, default 100] [files per folder, default 100]
#                       [levels, default "2 3L 4L"]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out="${TIDEWELL_BUILD_DIR:-$root/build}"
exe="$out/win64/bench/shred_many/bench_shred_many.exe"
folders="${1:-100}"
files="${2:-100}"
levels="${3:-2 3L 4L}"
if [ ! -f "$exe" ]; then
    echo "shred-many.sh: $exe is missing; run scripts/build native win64 first" >&2
    exit 2
fi
# shellcheck source=../scripts/lib/wine-sandbox.sh
source "$root/scripts/lib/wine-sandbox.sh"
sandbox_template "$out/wine-template"
sandbox_fresh "$out/wine-template" "$out/wine-bench-shred-many"
trap sandbox_stop EXIT
sandbox_start

work="$WINEPREFIX/drive_c/shredmany"
rm -rf "$work"
mkdir -p "$work/master"
# The same tree for both sides: sizes 1-64 KiB, random contents.
python3 - "$work/master" "$folders" "$files" <<'PY'
import os, random, sys
top, folders, files = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
rng = random.Random(2431)
for d in range(folders):
    folder = os.path.join(top, "d%03d" % d)
    os.mkdir(folder)
    for f in range(files):
        with open(os.path.join(folder, "f%03d.bin" % f), "wb") as out:
            out.write(os.urandom(rng.randint(1, 64) * 1024))
PY
echo "tree: $folders folders x $files files, $(du -sk "$work/master" | cut -f1) KiB"
printf '%-6s %12s %12s %8s\n' level tidewell_s shred_s ratio
for entry in "1 2 3" "2 3L 7" "5 4L 35"; do
    read -r index name passes <<<"$entry"
    [[ " $levels " == *" $name "* ]] || continue
    rm -rf "$work/wine" "$work/ref"
    cp -a "$work/master" "$work/wine"
    cp -a "$work/master" "$work/ref"
    sync
    result=$("$WINE_LOADER" "$exe" 'C:\shredmany\wine' "$index" </dev/null 2>/dev/null | tr -d '\r')
    ours=$(sed -n 's/.*seconds \([0-9.]*\).*/\1/p' <<<"$result")
    left=$(sed -n 's/.*left \([0-9]*\).*/\1/p' <<<"$result")
    start=$(date +%s.%N)
    find "$work/ref" -type f -exec shred -u -n "$passes" {} +
    end=$(date +%s.%N)
    ref=$(echo "$end - $start" | bc -l)
    printf '%-6s %12.2f %12.2f %7.2fx  (files left: %s)\n' "$name" "$ours" "$ref" \
        "$(echo "$ours / $ref" | bc -l)" "$left"
done
rm -rf "$work"
