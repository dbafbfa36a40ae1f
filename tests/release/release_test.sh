#!/usr/bin/env bash
# The release packages, checked from outside.
#   release_test.sh 32|64 [BUILD_ROOT]
# Both widths: scripts/release packages the already built program; the zip must hold exactly the
# program folder (the files built, byte for byte, and the README), SHA256SUMS must match.
# 64 also runs the installer under wine64 in a sandbox prefix of its own (the 32-bit installer
# cannot run here; the same script builds both): a silent install and uninstall while the
# program runs, then a second install whose uninstall the program's "uninstall" hand-off starts
# and a user answers. The prefix's files and HKLM are compared with a snapshot from before.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
width=${1:?usage: release_test.sh 32|64 [BUILD_ROOT]}
out=$(realpath -m "${2:-${TIDEWELL_BUILD_DIR:-$root/build}}")
case $width in
    32) build="$out/win32" flag=() ;;  # packed as the release is
    64) build="$out/win64" flag=(--win64 --fast) ;;
    *) echo "release_test: width is 32 or 64" >&2; exit 2 ;;
esac
packages="$out/release-test-$width"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
finish() {
    if [ $failures -ne 0 ]; then
        echo "release_test $width: $failures failure(s)" >&2
        exit 1
    fi
    echo "release_test $width: passed"
    exit 0
}

# --- The packages -----------------------------------------------------------------------------
mkdir -p "$packages"
cp "$root/README.md" "$packages/README.expected"  # as packed, should the README change meanwhile
made=$(TIDEWELL_BUILD_DIR="$out" "$root/scripts/release" --no-build "${flag[@]}" --into "$packages")
zip_file=$(sed -n 's/^release: \(.*-portable\.zip\)$/\1/p' <<<"$made")
setup_file=$(sed -n 's/^release: \(.*-setup\.exe\)$/\1/p' <<<"$made")
[ -f "$zip_file" ] && [ -f "$setup_file" ] || { echo "release_test: no packages made" >&2; exit 1; }

shipped=(Tidewell.exe Tidewell.dll TidewellCmd.exe NimboAction.exe NimboAction.dll Tidewell.lng
         tidewell_2431.dat Tidewell.ico)
[ "$width" = 64 ] || shipped+=(NimboAction64.dll)
built() {  # built NAME: where the builds keep the file shipped as NAME
    case $1 in
        Tidewell.ico) echo "$build/res/skin/tidewell.ico" ;;
        NimboAction64.dll) echo "$out/win64/NimboAction.dll" ;;
        *) echo "$build/$1" ;;
    esac
}
expected=$( (echo "Tidewell/"; for f in "${shipped[@]}" README.txt; do echo "Tidewell/$f"; done) | LC_ALL=C sort)
listed=$(unzip -Z1 "$zip_file" | LC_ALL=C sort)
[ "$listed" = "$expected" ] || fail "the zip holds $(echo $listed), not $(echo $expected)"
for f in "${shipped[@]}"; do
    unzip -p "$zip_file" "Tidewell/$f" | cmp -s - "$(built "$f")" || fail "Tidewell/$f in the zip is not the built $f"
done
unzip -p "$zip_file" Tidewell/README.txt | tr -d '\r' | cmp -s - "$packages/README.expected" ||
    fail "README.txt in the zip is not README.md"
unzip -p "$zip_file" Tidewell/README.txt | head -n 1 | grep -q $'\r$' ||
    fail "README.txt does not end its lines with CR LF"
(cd "$packages" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match the packages"
[ "$(wc -l <"$packages/SHA256SUMS")" -eq 2 ] || fail "SHA256SUMS does not list exactly the two packages"
head -c 2 "$setup_file" | grep -q MZ || fail "$setup_file is not a Windows program"
[ "$width" = 64 ] || finish

# --- The installer under Wine -----------------------------------------------------------------
for f in poke.exe dialog_probe.exe; do
    [ -f "$build/$f" ] || { echo "release_test: $build/$f is missing; build win64 first" >&2; exit 1; }
done
# shellcheck source=../../scripts/lib/wine-sandbox.sh
source "$root/scripts/lib/wine-sandbox.sh"
sandbox_template "$out/wine-template"
sandbox_fresh "$out/wine-template" "$out/wine-release"
# Stopped whatever happens; the prefix (some 700 MB) is kept only when something failed.
end_sandbox() {
    local status=$?
    sandbox_stop
    [ $status -ne 0 ] || rm -rf "$out/wine-release"
}
trap end_sandbox EXIT
sandbox_start
c="$WINEPREFIX/drive_c"
work="$out/wine-release/work"
mkdir -p "$work" "$c/release-test"
cp "$setup_file" "$c/release-test/setup.exe"
cp "$build/poke.exe" "$build/dialog_probe.exe" "$c/release-test/"

win() { "$WINE_LOADER" "$@" </dev/null 2>/dev/null | tr -d '\r'; }
poke() { win 'C:\release-test\poke.exe' "$@"; }
probe() { win 'C:\release-test\dialog_probe.exe' "$@"; }
program_dir="$c/Program Files/Tidewell"
program='C:\Program Files\Tidewell'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tidewell'
reg_value() {  # reg_value KEY NAME: the data of a value, or nothing
    win reg query "$1" /v "$2" | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
reg_key_exists() { "$WINE_LOADER" reg query "$1" </dev/null >/dev/null 2>&1; }

# What every Windows has and the program only adds to (so removing what it added leaves these).
for key in 'HKCR\*\shellex\ContextMenuHandlers' 'HKCR\Directory\shellex\ContextMenuHandlers' \
    'HKLM\Software\Microsoft\Internet Explorer\Extensions' \
    'HKLM\Software\Microsoft\Windows\CurrentVersion\RunOnce'; do
    win reg add "$key" /f >/dev/null
done

# A snapshot, taken while Windows is down: the prefix's files (temporary folders aside) and
# HKLM\Software as the Wine server saved it, without write times and without the font lists
# Wine fills as programs first draw text.
snapshot() {  # snapshot NAME
    (cd "$c" && find . \( -ipath './users/*/temp' -o -ipath './windows/temp' \) -prune -o -print |
        LC_ALL=C sort) >"$work/$1.files"
    awk '/^\[/ { keep = index($0, "[Software\\\\") == 1 && $0 !~ /CurrentVersion\\\\Fonts\]/
                 sub(/\] [0-9]+$/, "]") }
         keep && !/^#time=/' "$WINEPREFIX/system.reg" >"$work/$1.reg"
}
# Windows restarting (and a snapshot NAME while it is down): what was left for the next start,
# such as files still in use, is done then.
restart_windows() {  # restart_windows [NAME]
    "$WINESERVER" -k </dev/null >/dev/null 2>&1 || true
    "$WINESERVER" -w </dev/null >/dev/null 2>&1 || true
    [ -z "${1:-}" ] || snapshot "$1"
    "$WINESERVER" -p </dev/null >/dev/null 2>&1
    "$WINE_LOADER" wineboot </dev/null >/dev/null 2>&1
}
# After a restart, the machine must be as before the install but for FILE... (relative to C:).
compare() {  # compare NAME [FILE...]
    local name=$1
    shift
    restart_windows
    restart_windows "$name"
    { cat "$work/before.files"; [ $# -eq 0 ] || printf '%s\n' "$@"; } | LC_ALL=C sort -u >"$work/$name.expected"
    diff "$work/$name.expected" "$work/$name.files" >"$work/$name.files.diff" ||
        fail "$name: files differ from before (< missing, > left behind):$(echo; cat "$work/$name.files.diff")"
    diff "$work/before.reg" "$work/$name.reg" >"$work/$name.reg.diff" ||
        fail "$name: HKLM\\Software differs from before:$(echo; head -n 40 "$work/$name.reg.diff")"
}
wait_for() {  # wait_for SECONDS COMMAND...: until COMMAND succeeds
    local seconds=$1
    shift
    local i
    for i in $(seq $((seconds * 4))); do
        "$@" && return 0
        sleep 0.25
    done
    "$@"
}
no_file() { [ ! -e "$1" ]; }
program_gone() { ! poke visible Tidewell >/dev/null; }
start_installed_program() {
    "$WINE_LOADER" "$program\\Tidewell.exe" </dev/null >/dev/null 2>&1 &
    poke wait 60 >/dev/null || fail "$1: the installed Tidewell.exe showed no window"
}
install_silently() {
    win 'C:\release-test\setup.exe' /S || fail "$1: the silent install failed"
    for f in "${shipped[@]}" README.txt uninstall.exe; do
        [ -f "$program_dir/$f" ] || fail "$1: $f was not installed"
    done
    for f in "${shipped[@]}"; do
        cmp -s "$program_dir/$f" "$(built "$f")" || fail "$1: the installed $f is not the built one"
    done
    [ -f "$c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tidewell.lnk" ] ||
        fail "$1: no Start-menu entry"
    [ "$(reg_value "$uninstall_key" UninstallString)" = "\"$program\\uninstall.exe\"" ] ||
        fail "$1: UninstallString is '$(reg_value "$uninstall_key" UninstallString)'"
    [ -n "$(reg_value "$uninstall_key" DisplayName)" ] || fail "$1: no DisplayName"
}

# Every program file still there after an uninstall must be in use and left for the restart.
left_for_restart() {  # left_for_restart NAME
    local pending f
    pending=$(win reg query 'HKLM\System\CurrentControlSet\Control\Session Manager' \
        /v PendingFileRenameOperations)
    for f in "${shipped[@]}" README.txt uninstall.exe; do
        [ -e "$program_dir/$f" ] || continue
        grep -qiF "$program\\$f" <<<"$pending" ||
            fail "$1: $f was neither removed nor left for the next start"
    done
}

restart_windows  # lets Wine's start do what it does once (such as running RunOnce)
restart_windows before

# 1. Silent install; the program runs from its place and leaves what its switches make; a silent
#    uninstall while it runs ends it and removes everything but the settings and the log.
install_silently "silent"
start_installed_program "silent"
# At start the program registers the context-menu handler beside itself.
handler=$(win reg query 'HKCR\CLSID\{6C1E2B47-9A3D-4F0B-8E52-3D7A1C90B6F4}\InprocServer32' /ve |
    sed -n 's/^ *(Default) *REG_SZ *//p')
[ "$handler" = "$program\\NimboAction.dll" ] ||
    fail "silent: the context-menu handler registered is '$handler', not the installed one"
reg_key_exists 'HKCR\*\shellex\ContextMenuHandlers\Vanish' ||
    fail "silent: the installed program did not register its context-menu handler"
poke click 105 >/dev/null || true
poke click 522 >/dev/null || fail "silent: no Default Options button"
desktop_link="$c/users/Public/Desktop/Tidewell.LNK"
startup_link="$c/ProgramData/Microsoft/Windows/Start Menu/Programs/StartUp/Tidewell.LNK"
wait_for 20 test -f "$desktop_link" || fail "silent: Default Options made no desktop shortcut"
wait_for 10 test -f "$startup_link" || fail "silent: Default Options made no startup shortcut"
wait_for 10 reg_key_exists 'HKLM\Software\Microsoft\Internet Explorer\Extensions\{B8A01A8F-6FE9-11db-9125-00105AA09764}' ||
    fail "silent: Default Options made no toolbar button key"
# What a deferred wash leaves: its task file and its start entry.
printf '[Nimbo Action tsk File]\r\n' >"$program_dir/nimboaction.tsk"
win reg add 'HKLM\Software\Microsoft\Windows\CurrentVersion\RunOnce' /v 'Nimbo Action' /d \
    "$program\\NimboAction.exe \"/t\" \"$program\\nimboaction.tsk\"" /f >/dev/null
win "$program\\uninstall.exe" /S
wait_for 60 no_file "$program_dir/uninstall.exe" || fail "silent: the uninstaller did not finish"
wait_for 10 program_gone || fail "silent: the uninstaller left Tidewell running"
[ -s "$program_dir/tidewell.ini" ] || fail "silent: the settings were not kept (or never written)"
left_for_restart "silent"
compare after-silent "./Program Files/Tidewell" "./Program Files/Tidewell/tidewell.ini" \
    "./Program Files/Tidewell/tidewell.log"

# 2. Installed again over the kept settings; "Tidewell.exe uninstall" closes the running copy
#    and starts the installed uninstaller, whose questions are answered: remove, and yes, the
#    settings too. Afterwards the machine is as before the first install.
install_silently "asked"
start_installed_program "asked"
"$WINE_LOADER" "$program\\Tidewell.exe" uninstall </dev/null >/dev/null 2>&1 &
probe wait 'Tidewell Uninstall' 60 ||
    fail "asked: the uninstall hand-off started no uninstaller (windows: $(probe list | tr '\n' ','))"
wait_for 10 program_gone || fail "asked: the hand-off left Tidewell running"
probe press 'Tidewell Uninstall' 1 30 || fail "asked: no Uninstall button"
probe press 'Tidewell Uninstall' 6 60 || fail "asked: no question about the settings"
probe gone 'Tidewell Uninstall' 60 || fail "asked: the uninstaller did not end"
left_for_restart "asked"
compare after-asked
finish
