#!/bin/sh
# Checks a product image of the win32 build: Windows NT 4.0 accepts it
# (subsystem version 4.0) and it imports only the system's own DLLs (and the
# engine library for the bridge).
#   check-win32-image.sh <image> [extra allowed DLL ...]
set -eu
image="$1"; shift
[ -f "$image" ] || { echo "missing: $image (build the win32 preset first)"; exit 1; }
dump=$(i686-w64-mingw32-objdump -p "$image")
echo "$dump" | grep -q "^MajorSubsystemVersion[[:space:]]*4$" || { echo "subsystem major version is not 4"; exit 1; }
echo "$dump" | grep -q "^MinorSubsystemVersion[[:space:]]*0$" || { echo "subsystem minor version is not 0"; exit 1; }
allowed="KERNEL32.DLL USER32.DLL GDI32.DLL ADVAPI32.DLL COMCTL32.DLL COMDLG32.DLL SHELL32.DLL MSVCRT.DLL"
for extra in "$@"; do allowed="$allowed $(echo "$extra" | tr a-z A-Z)"; done
status=0
for dll in $(echo "$dump" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr a-z A-Z); do
    case " $allowed " in
        *" $dll "*) ;;
        *) echo "not a system DLL: $dll"; status=1 ;;
    esac
done
[ $status -eq 0 ] && echo "ok: $(basename "$image")"
exit $status
