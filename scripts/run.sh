#!/bin/bash
# Builds, prepares the simulated Windows NT 4.0 machine in its own Wine prefix
# and starts the installer there (or the sample front end with --recorder).
# With a desktop (DISPLAY set) the program opens on it; without one a scripted
# tour presses the buttons, prints what the windows show and the machine's
# state, and saves screenshots to build/screens/.
set -euo pipefail
. "$(dirname "$0")/common.sh"

MODE=drvsetup
case "${1:-}" in
    --recorder) MODE=recorder ;;
    "") ;;
    *) echo "usage: $0 [--recorder]" >&2; exit 2 ;;
esac

ensure_packages
build_presets win64 win32

INTERACTIVE=0
[ -n "${DISPLAY:-}" ] && INTERACTIVE=1
trap stop_all EXIT
# The display comes first: the first Wine process of a session starts the
# desktop process, which keeps the display it was started with.
[ "$INTERACTIVE" = 1 ] || start_display

PREFIX="$BUILD/wineprefix-nt40"
wine_prefix "$PREFIX" 'HKCU\Software\Wine|Version|REG_SZ|nt40'
C="$PREFIX/drive_c"
MACHINE="$ROOT/scripts/machine"
SCREENS="$BUILD/screens"
mkdir -p "$SCREENS"

# On a desktop the windows get its window manager; under the virtual display
# unmanaged windows are fast.
wine_reg_add 'HKCU\Software\Wine\X11 Driver' Managed REG_SZ "$([ "$INTERACTIVE" = 1 ] && echo Y || echo N)"
"$WINESERVER" -w
start_wineserver

CDROM_KEY='HKLM\SYSTEM\CurrentControlSet\Services\Cdrom'

# A fresh NT 4.0 machine on every run: the stock Cdrom service and image, the
# recording software with its configuration, its WIN.INI entry, and the
# installer directory with the replacement image.
seed_machine() {
    "$WINELOADER" sc stop Cdrom >/dev/null 2>&1 || true
    "$WINELOADER" sc delete Cdrom >/dev/null 2>&1 || true
    "$WINELOADER" reg delete "$CDROM_KEY" /f >/dev/null 2>&1 || true
    "$WINELOADER" sc create Cdrom type= kernel start= system error= normal \
        binpath= 'System32\DRIVERS\Cdrom.sys' displayname= Cdrom >/dev/null
    local drivers="$C/windows/system32/drivers"
    mkdir -p "$drivers"
    rm -f "$drivers"/[Cc]drom.*
    cp "$MACHINE/Cdrom.sys.stock" "$drivers/Cdrom.sys"

    mkdir -p "$C/Ferl"
    cp "$MACHINE/FerlCdr.cfg" "$C/Ferl/FerlCdr.cfg"
    local ini="$C/windows/win.ini"
    touch "$ini"
    awk 'BEGIN{skip=0} /^\[/{skip=($0 ~ /^\[Ferl for Windows NT\]/)} !skip' "$ini" >"$ini.new"
    printf '[Ferl for Windows NT]\r\nFERLDIR=C:\\Ferl\r\n' >>"$ini.new"
    mv "$ini.new" "$ini"

    rm -rf "$C/Install"
    mkdir -p "$C/Install"
    cp "$BUILD/win64/bin/drvsetup.exe" "$C/Install/"
    cp "$MACHINE/cdrom.sys.replacement" "$C/Install/cdrom.sys"
}

show_state() {
    log "machine state: $1"
    echo "  registry:"
    "$WINELOADER" reg query "$CDROM_KEY" /s 2>/dev/null | tr -d '\r' | sed '/^$/d; s/^/    /' || echo "    (no Cdrom key)"
    echo "  driver directory:"
    local f
    for f in "$C"/windows/system32/drivers/[Cc]drom.*; do
        [ -e "$f" ] || continue
        printf '    %-10s %5s bytes  %s\n' "$(basename "$f")" "$(stat -c %s "$f")" "$(head -1 "$f" | tr -d '\r')"
    done
}

# The sample front end needs no machine state: it runs beside the bridge and
# the catalogue in the build's bin directory.
if [ "$MODE" = recorder ]; then
    cd "$BUILD/win64/bin"
    if [ "$INTERACTIVE" = 1 ]; then
        log "starting recorder.exe on $DISPLAY"
        "$WINELOADER" recorder.exe
    else
        log "scripted tour of the recorder under a virtual display ($DISPLAY)"
        "$WINELOADER" recorder_tour.exe "$("$WINELOADER" winepath -w "$SCREENS" 2>/dev/null | tr -d '\r')"
    fi
    log "screenshots: $(ls "$SCREENS"/recorder-* 2>/dev/null | xargs -n1 basename 2>/dev/null | tr '\n' ' ')"
    exit 0
fi

seed_machine
show_state "before"
cd "$C/Install"
if [ "$INTERACTIVE" = 1 ]; then
    log "starting drvsetup.exe on $DISPLAY (working directory C:\\Install)"
    "$WINELOADER" drvsetup.exe
else
    log "scripted tour under a virtual display ($DISPLAY)"
    "$WINELOADER" "$BUILD/win64/bin/drvsetup_tour.exe" "$("$WINELOADER" winepath -w "$SCREENS" 2>/dev/null | tr -d '\r')"
fi
show_state "after"
log "screenshots: $(ls "$SCREENS" 2>/dev/null | tr '\n' ' ')"
