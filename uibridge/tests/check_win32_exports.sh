#!/bin/sh
# The export table of the x86 product build of uibridge.dll, read with
# objdump (it cannot run here): names and ordinals exactly as in
# ExportTable.h, nothing at the other ordinals, each export removing its own
# arguments from the stack, and only the catalogue taken from the engine
# library. (check-win32-image.sh checks the DLLs it imports and the subsystem.)
# usage: check_win32_exports.sh OBJDUMP DLL EXPORT_TABLE_HEADER
set -u
OBJDUMP=$1 DLL=$2 TABLE=$3
[ -f "$DLL" ] || { echo "missing $DLL (build the win32 preset)"; exit 1; }
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail=0
bad() { echo "FAIL: $*"; fail=1; }

# "ordinal name bytes" of the expected table, from the header's entries.
sed -n 's/^ *{ *\([0-9]*\), *"\([A-Za-z_]*\)", *\([0-9]*\) *},.*/\1 \2 \3/p' "$TABLE" | sort -n >"$WORK/expected"
[ -s "$WORK/expected" ] || { echo "no entries read from $TABLE"; exit 1; }

"$OBJDUMP" -p "$DLL" >"$WORK/headers" || exit 1

# objdump prints ordinal minus the base (1).
awk '/^\[Ordinal\/Name Pointer\] Table/ { on = 1; next }
     on && /^\t\[/ { gsub(/[\[\]]/, " "); print $1 + 1, $2; next }
     on { on = 0 }' "$WORK/headers" | sort -n >"$WORK/names"
cut -d' ' -f1,2 "$WORK/expected" | diff -u - "$WORK/names" >"$WORK/diff" || { bad "export names"; cat "$WORK/diff"; }

awk '/^Export Address Table -- Ordinal Base/ { on = 1; next }
     on && /\+base\[/ { sub(/.*\+base\[ */, ""); sub(/\].*/, ""); print; next }
     on && !/^\t/ { on = 0 }' "$WORK/headers" | sort -n >"$WORK/ordinals"
cut -d' ' -f1 "$WORK/expected" | diff -u - "$WORK/ordinals" >"$WORK/diff" || { bad "ordinals carrying a function"; cat "$WORK/diff"; }

# __stdcall: the callee removes the arguments (ret $n), for every return.
while read -r ordinal name bytes; do
    # objdump may run on into a local function placed after the export:
    # only the export's own body counts.
    "$OBJDUMP" -d --disassemble="_$name@$bytes" "$DLL" | awk '/^[0-9a-f]+ <.*>:$/ { n++ } n == 1' |
        grep -E '\sret' >"$WORK/rets"
    if [ ! -s "$WORK/rets" ]; then
        bad "$name: no function _$name@$bytes"
    elif [ "$bytes" -eq 0 ]; then
        grep -q 'ret *\$' "$WORK/rets" && bad "$name removes arguments it does not take"
    else
        want=$(printf 'ret    $0x%x' "$bytes")
        grep -v -F "$want" "$WORK/rets" | grep -q . && bad "$name: not every return is '$want'"
    fi
done <"$WORK/expected"

# The catalogue is the one function taken from the engine library.
awk '/DLL Name: ferlapiw32.dll/ { on = 1; next } on && /^$/ { on = 0 } on && /^\t[0-9a-f]/ { print $3 }' \
    "$WORK/headers" >"$WORK/catalogue"
[ "$(cat "$WORK/catalogue")" = "ps_gmsg_get_string" ] || bad "imports from ferlapiw32.dll: $(cat "$WORK/catalogue")"

[ "$fail" -eq 0 ] && echo "uibridge.dll (x86): $(wc -l <"$WORK/expected") exports, ordinals, stack clean-up and imports as expected"
exit "$fail"
