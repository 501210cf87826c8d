#!/usr/bin/env bash
# Runs every test: the native core under the sanitizers, the Win32 layer under Wine, and
# the end-to-end tests that drive both install layouts on a virtual display.
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$QV_ROOT"
bash scripts/setup.sh
bash scripts/build.sh all

# Tests click on Wine's tray: keep them on a display of their own.
qv_start_xvfb 71
cleanup() {
  wineserver -k 2>/dev/null || true
  kill "$QV_XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT
# A fresh wineserver on this display; the persistent one makes each Wine start fast.
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
wineserver -p
qv_warm_up_wine

status=0
echo "== native tests (AddressSanitizer, UndefinedBehaviorSanitizer)"
(cd build/native && ctest --output-on-failure -j "$(nproc)") || status=1
echo "== Windows-side tests under Wine"
(cd build/win && ctest --output-on-failure --repeat until-pass:2) || status=1
echo "== end-to-end tests under Wine"
python3 tests/e2e/run.py || status=1
exit $status
