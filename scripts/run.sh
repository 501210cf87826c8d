#!/usr/bin/env bash
# Runs the simulated build under Wine. On a desktop it opens on your display: click the
# mouse icon in Wine's tray to show the window. Without a display it runs on a virtual
# one, opens the main window as a tray click would, saves a screenshot and prints its path.
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$QV_ROOT"
bash scripts/setup.sh
bash scripts/build.sh sim >/dev/null

# Run from a copy, so the install layout stays clean and your settings survive rebuilds.
run_dir="$QV_ROOT/build/run-sim/QV318_Driver"
mkdir -p "$run_dir"
cp -f build/dist-sim/QV318_Driver/QV318_Driver.exe "$run_dir/"
cp -rf build/dist-sim/QV318_Driver/Skins "$run_dir/"
for f in config.bin str.ini; do
  [ -f "$run_dir/$f" ] || cp build/dist-sim/QV318_Driver/$f "$run_dir/"
done

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "QV318_Driver runs in Wine's tray on $DISPLAY; choose Exit from its tray menu to end it."
  cd "$run_dir" && exec wine QV318_Driver.exe
fi

qv_start_xvfb 60
# A server already on the prefix is someone else's session: end only one this script starts.
own_server=""
timeout 2 wineserver -w 2>/dev/null && own_server=1
trap '[ -n "$own_server" ] && { timeout 30 wineserver -k 2>/dev/null || true; }; kill "$QV_XVFB_PID" 2>/dev/null || true' EXIT
wineserver -p 2>/dev/null || true
qv_warm_up_wine

(cd "$run_dir" && wine QV318_Driver.exe >/dev/null 2>&1 &)
probe="$QV_ROOT/build/win/qvprobe.exe"
for _ in $(seq 1 60); do
  timeout 10 wine "$probe" main >/dev/null 2>&1 && break
  sleep 0.5
done
tray=""
for _ in $(seq 1 40); do
  tray=$(xdotool search --onlyvisible --name "Wine System Tray" 2>/dev/null | head -n1) && [ -n "$tray" ] && break
  sleep 0.5
done
xdotool mousemove --window "$tray" 10 10 click 1
for _ in $(seq 1 40); do
  timeout 10 wine "$probe" main 2>/dev/null | grep -q '^visible' && break
  sleep 0.5
done
sleep 1
shot="$QV_ROOT/build/run-sim/screenshot.png"
import -window root "$shot"
timeout 10 wine "$probe" exit >/dev/null 2>&1 || true
echo "Screenshot of the main window: $shot"
