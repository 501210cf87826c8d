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
  # The desktop holder, wineserver and Xvfb this script started; nothing else.
  [ -n "${QV_HOLDER_PID:-}" ] && { kill "$QV_HOLDER_PID" 2>/dev/null || true; }
  [ -n "${QV_SERVER_STARTED:-}" ] && { timeout 30 wineserver -k 2>/dev/null || true; }
  kill "$QV_XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT
# A server already running on this prefix holds Wine's desktop on another display. One that
# is merely ending goes within seconds; one that stays belongs to someone else's session.
if ! timeout 30 wineserver -w; then
  echo "test: a Wine server still runs on $WINEPREFIX after 30 s; end that session" \
    "(WINEPREFIX=$WINEPREFIX wineserver -k) or set QV_WINEPREFIX to another prefix" >&2
  exit 1
fi
# A persistent wineserver on this display makes each Wine start fast.
wineserver -p
QV_SERVER_STARTED=1
qv_warm_up_wine
# Wine closes its desktop a second after the last program using it ends; the next program
# to start opens it anew and hands it its stderr, and whoever reads that program's output
# through a pipe (ctest, the e2e harness) then waits until a timeout. Windows' desktop is
# always there: hold Wine's open for the whole run.
hold_log="build/desktop-holder.log"
wine build/win/qvprobe.exe hold >"$hold_log" 2>&1 &
QV_HOLDER_PID=$!
for _ in $(seq 1 300); do
  grep -q "holding the desktop" "$hold_log" && break
  kill -0 "$QV_HOLDER_PID" 2>/dev/null || break
  sleep 0.1
done
if ! grep -q "holding the desktop" "$hold_log"; then
  echo "test: the desktop holder did not start within 30 s:" >&2
  cat "$hold_log" >&2
  exit 1
fi

status=0
stage_start=$SECONDS
stage_took() { echo "-- $1 took $((SECONDS - stage_start)) s"; stage_start=$SECONDS; }
echo "== native tests (AddressSanitizer, UndefinedBehaviorSanitizer)"
(cd build/native && ctest --output-on-failure -j "$(nproc)") || status=1
stage_took "native tests"
echo "== fuzzing the core (libFuzzer, about a minute)"
bash scripts/fuzz.sh || status=1
stage_took "fuzzing"
echo "== Windows-side tests under Wine"
(cd build/win && ctest --output-on-failure) || status=1
stage_took "Windows-side tests"
echo "== end-to-end tests under Wine"
python3 tests/e2e/run.py || status=1
stage_took "end-to-end tests"
exit $status
