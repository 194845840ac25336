#!/bin/bash
# Static analysis over the project's own sources: cppcheck (Windows platform
# settings) and clang-tidy (checks in .clang-tidy) with the win64 compile
# commands. Fails on any finding.
set -euo pipefail
. "$(dirname "$0")/common.sh"

DIRS="framework drvsetup uibridge ferlapiw32 recorder testsupport tour bench"
present=""
for d in $DIRS; do [ -d "$ROOT/$d" ] && present="$present $d"; done

cd "$ROOT"
log "cppcheck"
cppcheck --quiet --error-exitcode=1 --std=c++17 --platform=win64 --library=windows \
    --enable=warning,performance,portability --inline-suppr \
    --suppressions-list="$ROOT/.cppcheck-suppressions" \
    -D_WIN32 -D_WIN64 -D__MINGW32__ -D_WIN32_WINNT=0x0400 -DWINVER=0x0400 \
    $(for d in $present; do printf -- '-I %s ' "$d"; done) $present

log "clang-tidy"
DB="$BUILD/lint"
cmake -S "$ROOT" -B "$DB" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DBUILD_TESTING=ON >/dev/null
GCC_INC=$(ls -d /usr/lib/gcc/x86_64-w64-mingw32/*-posix | head -1)/include/c++
files=$(for d in $present; do find "$d" -name '*.cpp'; done | sort)
echo "$files" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$DB" --quiet \
    --extra-arg=--target=x86_64-w64-mingw32 \
    --extra-arg=-isystem"$GCC_INC" --extra-arg=-isystem"$GCC_INC/x86_64-w64-mingw32" \
    --extra-arg=-Wno-unknown-warning-option >"$DB/clang-tidy.log" 2>&1 || true
if grep -qE "(warning|error):" "$DB/clang-tidy.log"; then
    grep -vE "^[0-9]+ warnings? (and [0-9]+ errors? )?generated|^Suppressed|^Use -header-filter" "$DB/clang-tidy.log"
    exit 1
fi
log "static analysis clean"
