# Sandboxed Wine prefixes. Source this file; never run Wine in a default prefix here: a default
# prefix links its folders to the real home folder and maps Z: to the whole Linux root, so a
# wash or a shred there could destroy real files.
#
#   sandbox_template DIR          make (once) a clean template prefix under DIR
#   sandbox_fresh TEMPLATE DIR    copy the template to DIR and point WINEPREFIX/HOME at it
#   sandbox_start / sandbox_stop  the Wine server, Wine's background processes and Xvfb

WINE_LOADER=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver)

sandbox_env() {  # sandbox_env SANDBOX_DIR
    export HOME="$1/home"
    export WINEPREFIX="$1/prefix"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
    export WINEARCH=win64
    unset WINELOADER WINESERVER_OVERRIDE
}

# Replaces every link that leads out of the prefix by a real empty folder and removes Z:.
sandbox_seal() {
    local prefix="$WINEPREFIX"
    local link
    while IFS= read -r -d '' link; do
        rm -f "$link"
        mkdir -p "$link"
    done < <(find "$prefix/drive_c/users" -type l -print0 2>/dev/null)
    rm -f "$prefix/dosdevices/z:"
    mkdir -p "$HOME/.local/share/Trash/files" "$HOME/.local/share/Trash/info"
    # Anything else that still points outside the sandbox is a fault: stop here.
    local outside
    outside=$(find "$prefix/drive_c" -type l -lname '/*' ! -lname "$prefix/*" -print 2>/dev/null | head -n 1)
    if [ -n "$outside" ]; then
        echo "sandbox: $outside still leads outside the sandbox" >&2
        return 1
    fi
}

sandbox_template() {  # sandbox_template DIR -> DIR/prefix, DIR/home
    local dir="$1"
    local stamp="$dir/.wine-version"
    local version
    version=$("$WINE_LOADER" --version 2>/dev/null)
    if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$version" ] && [ -d "$dir/prefix/drive_c" ]; then
        return 0
    fi
    rm -rf "$dir"
    mkdir -p "$dir/home"
    (
        sandbox_env "$dir"
        "$WINE_LOADER" wineboot -i </dev/null >/dev/null 2>&1
        "$WINESERVER" -w
        sandbox_seal
    ) || return 1
    echo "$version" >"$stamp"
}

sandbox_fresh() {  # sandbox_fresh TEMPLATE_DIR DIR
    local template="$1" dir="$2"
    if [ -d "$dir/prefix" ]; then
        (sandbox_env "$dir"; "$WINESERVER" -k >/dev/null 2>&1; "$WINESERVER" -w >/dev/null 2>&1) || true
    fi
    rm -rf "$dir"
    mkdir -p "$dir"
    cp -a "$template/prefix" "$template/home" "$dir/"
    sandbox_env "$dir"
    sandbox_seal
}

SANDBOX_XVFB_PID=""

sandbox_start() {  # in the current sandbox: Xvfb, the Wine server, Wine's background processes
    local fdfile
    fdfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
    SANDBOX_XVFB_PID=$!
    local i
    for i in $(seq 1 100); do
        [ -s "$fdfile" ] && break
        sleep 0.1
    done
    export DISPLAY=":$(head -n 1 "$fdfile")"
    rm -f "$fdfile"
    "$WINESERVER" -p </dev/null >/dev/null 2>&1
    "$WINE_LOADER" wineboot </dev/null >/dev/null 2>&1
}

sandbox_stop() {
    "$WINESERVER" -k </dev/null >/dev/null 2>&1 || true
    "$WINESERVER" -w </dev/null >/dev/null 2>&1 || true
    if [ -n "$SANDBOX_XVFB_PID" ]; then
        kill "$SANDBOX_XVFB_PID" 2>/dev/null || true
        wait "$SANDBOX_XVFB_PID" 2>/dev/null || true
        SANDBOX_XVFB_PID=""
    fi
}
