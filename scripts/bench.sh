#!/usr/bin/env bash
# Benchmarks, each printed as a ratio to its floor measured in the same run: a full page
# paint and a hover redraw (at 100 % and at 200 %, both against the 100 % floor), Apply
# against the simulated mouse, the start to the tray icon and the peak memory by then, and a
# profile switched by the program in front against its 1.5 s wait plus one Apply. Not a test: the numbers are for reading.
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$QV_ROOT"
bash scripts/setup.sh
bash scripts/build.sh win >/dev/null
bash scripts/build.sh sim >/dev/null
qv_start_xvfb 90
cleanup() {
  wineserver -k 2>/dev/null || true
  kill "$QV_XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT
wineserver -p
qv_warm_up_wine
for bench in build/win/bench/qv_paint_bench.exe build/win/bench/qv_apply_bench.exe; do
  if [ -f "$bench" ]; then wine "$bench"; fi
done
python3 scripts/bench_startup.py
python3 scripts/bench_profile_switch.py
