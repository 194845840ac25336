# Shared by the scripts: packages, the build, the private Wine prefixes, the
# persistent wineserver and the virtual display. Sourced, never run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"

# Never wine32: this kernel runs no 32-bit programs, and with wine32 present
# Debian's wine script picks it and fails with "Exec format error".
PACKAGES="wine wine64 fonts-wine g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
g++-mingw-w64-i686-win32 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 xvfb xauth
ninja-build cmake googletest cppcheck clang-tidy"

log() { printf '== %s\n' "$*" >&2; }

ensure_packages() {
    local missing="" p
    for p in $PACKAGES; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
    done
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        log "missing packages:$missing"
        log "install them as root: apt-get install --no-install-recommends$missing"
        exit 1
    fi
    log "installing:$missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q >/dev/null
    apt-get install -y -q --no-install-recommends $missing >/dev/null
}

build_presets() {
    local preset
    for preset in "$@"; do
        if [ ! -f "$BUILD/$preset/build.ninja" ]; then
            cmake --preset "$preset" >/dev/null
        fi
        log "building $preset"
        cmake --build --preset "$preset"
    done
}

# Wine environment for one private prefix.
wine_env() {
    export WINEPREFIX="$1"
    export WINEARCH=win64
    export WINELOADER=/usr/lib/wine/wine64
    export WINESERVER=/usr/lib/wine/wineserver64
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
}

wine_reg_add() {   # key value type data
    "$WINELOADER" reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1
}

# Creates the prefix once (reused while it exists): Wine's own fonts so that
# dialogs get Windows metrics, unmanaged windows (fast under a bare X server).
# Extra "key|value|type|data" settings may follow.
wine_prefix() {
    local prefix="$1"; shift
    wine_env "$prefix"
    if [ -f "$prefix/.ready" ]; then
        return 0
    fi
    log "creating Wine prefix $prefix"
    rm -rf "$prefix"
    mkdir -p "$prefix"
    "$WINELOADER" wineboot -i </dev/null >"$prefix.log" 2>&1
    cp /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
    wine_reg_add 'HKCU\Software\Wine\X11 Driver' Managed REG_SZ N
    local setting
    for setting in "$@"; do
        IFS='|' read -r k v t d <<<"$setting"
        wine_reg_add "$k" "$v" "$t" "$d"
    done
    "$WINESERVER" -w
    touch "$prefix/.ready"
}

XVFB_PID=""
start_display() {
    local n
    for n in $(seq 90 120); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        local i
        for i in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && break
            sleep 0.1
        done
        if kill -0 "$XVFB_PID" 2>/dev/null; then
            export DISPLAY=":$n"
            return 0
        fi
    done
    log "no virtual display could be started"
    return 1
}

# A persistent server makes each test process start in a tenth of a second;
# the warm-up keeps Wine's background services off the first test's pipes.
start_wineserver() {
    setsid "$WINESERVER" -p </dev/null >/dev/null 2>&1 &
    sleep 0.2
    "$WINELOADER" wineboot </dev/null >"$WINEPREFIX.warmup.log" 2>&1 || true
}

stop_all() {
    if [ -n "${WINEPREFIX:-}" ]; then
        "$WINESERVER" -k 2>/dev/null || true
        "$WINESERVER" -w 2>/dev/null || true
    fi
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=""
    fi
}
