#!/bin/sh
# The README's C front end built for x86 as a developer would, against the
# x86 SDK folder alone: it compiles (the sink's functions as thiscall), it
# links with the SDK's import library, and every function it takes from
# uibridge.dll is one that the x86 DLL exports under that name.
# usage: check_win32_c_front_end.sh CC OBJDUMP WIN32_BUILD EXAMPLES_DIR SOURCE
set -u
CC=$1 OBJDUMP=$2 WIN32_BUILD=$3 EXAMPLES=$4 SOURCE=$5
SDK=$WIN32_BUILD/sdk
DLL=$WIN32_BUILD/bin/uibridge.dll
[ -f "$SDK/libuibridge.a" ] && [ -f "$DLL" ] || { echo "missing $SDK or $DLL (build the win32 preset)"; exit 1; }
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# No -pedantic: under it GCC warns that thiscall is meant for C++ member
# functions, although it applies it to C functions all the same.
"$CC" -std=c99 -Wall -Wextra -Werror -I "$SDK" -I "$EXAMPLES" -I "$(dirname "$SOURCE")" \
    "$SOURCE" -L "$SDK" -luibridge -static -o "$WORK/front_end.exe" || { echo "FAIL: build"; exit 1; }

"$OBJDUMP" -p "$WORK/front_end.exe" | awk '/DLL Name:/ { on = ($3 == "uibridge.dll"); next }
    on && /^\t[0-9a-f]+\t/ { print $NF }' | sort >"$WORK/imported"
"$OBJDUMP" -p "$DLL" | awk '/^\[Ordinal\/Name Pointer\] Table/ { on = 1; next }
    on && /^\t\[/ { print $NF; next } on { on = 0 }' | sort >"$WORK/exported"
[ -s "$WORK/imported" ] || { echo "FAIL: nothing imported from uibridge.dll"; exit 1; }
missing=$(comm -23 "$WORK/imported" "$WORK/exported")
[ -z "$missing" ] || { echo "FAIL: imported but not exported: $missing"; exit 1; }
echo "$(wc -l <"$WORK/imported") functions of uibridge.dll, all exported by name"
