#!/usr/bin/env bash
# scripts/check-imports over made-up "objdump -p" texts: it must refuse a program that imports
# GetTickCount64, a library XP lacks, or asks for a later Windows in its headers, and pass a
# clean one.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

dump() {  # dump OS_VERSION DLL FUNCTION...
    local os=$1 dll=$2
    shift 2
    printf 'MajorOSystemVersion\t%s\nMinorOSystemVersion\t%s\n' "${os%.*}" "${os#*.}"
    printf 'MajorSubsystemVersion\t5\nMinorSubsystemVersion\t1\n\n'
    printf 'The Import Tables (interpreted .idata section contents)\n'
    printf '\tDLL Name: %s\n\tvma:  Hint/Ord Member-Name Bound-To\n' "$dll"
    local hint=100 f
    for f in "$@"; do
        printf '\t7212\t  %d  %s\n' $hint "$f"
        hint=$((hint + 1))
    done
    printf '\n'
}

expect() {  # expect STATUS TEXT_IN_OUTPUT FILE
    local want=$1 text=$2 file=$3 got=0 output
    output=$("$root/scripts/check-imports" --dump "$file") || got=$?
    if [ "$got" -ne "$want" ] || ! grep -qF -- "$text" <<<"$output"; then
        echo "FAILED: $(basename "$file"): exit $got (wanted $want), output:"
        echo "$output"
        exit 1
    fi
}

dump 5.1 KERNEL32.dll GetTickCount Sleep GetTickCount64 >"$work/tick64.txt"
expect 1 "kernel32!GetTickCount64 (Windows 6.0 Vista)" "$work/tick64.txt"

dump 5.1 ADVAPI32.dll RegOpenKeyExW RegDeleteTreeW >"$work/regtree.txt"
expect 1 "advapi32!RegDeleteTreeW" "$work/regtree.txt"

dump 5.1 dwmapi.dll DwmIsCompositionEnabled >"$work/dwm.txt"
expect 1 "dwmapi!DwmIsCompositionEnabled (library from Windows" "$work/dwm.txt"

dump 6.0 KERNEL32.dll GetTickCount >"$work/header.txt"
expect 1 "OS version 6.0 is above Windows XP" "$work/header.txt"

dump 5.1 KERNEL32.dll GetTickCount Sleep GetProcAddress >"$work/clean.txt"
expect 0 "3 imports, all on Windows XP SP3" "$work/clean.txt"

echo "check-imports: every case as expected"
