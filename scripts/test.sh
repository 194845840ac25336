#!/bin/bash
# Installs what is missing, builds both targets, runs every test under Wine
# with ctest and the static analysis; prints ctest's summary and fails when
# any test or check fails.
set -euo pipefail
. "$(dirname "$0")/common.sh"

ensure_packages
build_presets win64 win32

trap stop_all EXIT
# The display comes first: the first Wine process of a session starts the
# desktop process, which keeps the display it was started with.
start_display
wine_prefix "$BUILD/wineprefix-test"
start_wineserver

log "running tests"
cd "$BUILD/win64"
set +e
ctest --output-on-failure --timeout 300 "$@" 2>&1 | tee "$BUILD/ctest.log"
status=${PIPESTATUS[0]}

# The whole suite once more with Wine's heap checking: any heap error it
# reports (an overrun, a write after free) fails the run. The bridge's storm
# suite runs at a quarter of its size here (RELIABILITY_DIVISOR), which keeps
# the whole script within CI's time.
log "running tests with heap checking"
RELIABILITY_DIVISOR=4 WINEDEBUG=-all,warn+heap,err+heap ctest -V --timeout 300 "$@" >"$BUILD/ctest-heap.log" 2>&1
heap_status=$?
heap_errors=$(grep -cE "(err|warn):heap" "$BUILD/ctest-heap.log" || true)
if [ "$heap_status" -ne 0 ] || [ "$heap_errors" -ne 0 ]; then
    grep -E "(err|warn):heap|Failed|\*\*\*" "$BUILD/ctest-heap.log" | head -40
    log "heap-checked pass failed ($heap_errors heap reports)"
    status=1
else
    log "heap-checked pass clean"
fi
stop_all
"$ROOT/scripts/lint.sh"
lint=$?
set -e
grep -E "tests passed|tests failed" "$BUILD/ctest.log" | tail -1
[ "$lint" -eq 0 ] || log "static analysis found problems (see above)"
[ "$status" -eq 0 ] && [ "$lint" -eq 0 ]
