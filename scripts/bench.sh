#!/bin/bash
# Builds and runs the benchmarks under Wine in a prefix of their own (so that
# they never meet the tests' registry) on a virtual display, and prints every
# figure: identifier registration growth, Install and Uninstall through the
# main window beside their calls alone, the bridge's exports against the
# Win32 calls they make, and the log's cost over a long recording.
set -euo pipefail
. "$(dirname "$0")/common.sh"

ensure_packages
build_presets win64

trap stop_all EXIT
# The display comes first: the first Wine process of a session starts the
# desktop process, which keeps the display it was started with.
start_display
wine_prefix "$BUILD/wineprefix-bench"
start_wineserver

for bench in register_bench install_bench bridge_overhead_bench log_growth_bench; do
    log "$bench"
    "$WINELOADER" "$BUILD/win64/bin/$bench.exe"
done
