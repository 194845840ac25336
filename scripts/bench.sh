#!/bin/bash
# Builds and runs the identifier registration benchmark under Wine in the
# test prefix (not while scripts/test.sh runs: both use its registry).
set -euo pipefail
. "$(dirname "$0")/common.sh"

ensure_packages
build_presets win64
wine_prefix "$BUILD/wineprefix-test"
trap stop_all EXIT
start_wineserver
"$WINELOADER" "$BUILD/win64/bin/register_bench.exe"
