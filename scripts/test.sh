#!/usr/bin/env bash
# Runs every test: the native core under the sanitizers, the Win32 layer under Wine, and
# the end-to-end tests that drive both install layouts on virtual displays.
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$QV_ROOT"
bash scripts/setup.sh
bash scripts/build.sh all

# The Wine tests run in two sessions at once, each on a prefix and a display of its own (they
# click on Wine's tray and take screenshots): the Windows-side tests and a share of the
# end-to-end modules in the second, on a fresh copy of the project's prefix made before any
# test changes it; everything else in the first. Measured in a built tree on two cores, each
# session's stages add up to about seven and a half minutes: first native tests 25 s, fuzzing
# 65 s and its share about 350 s; second the Windows-side tests 52 s and its share about 390 s.
SECOND_SHARE="test_cli,test_files,test_install,test_keyboard,test_language,test_lists,test_page,test_save_kill,test_scaling,test_shell,test_skins,test_soak"
FIRST_PREFIX="$WINEPREFIX"
SECOND_PREFIX="$WINEPREFIX-second"
second_pid=""
cleanup() {
  # The sessions this script started; nothing else.
  [ -n "$second_pid" ] && { kill "$second_pid" 2>/dev/null || true; wait "$second_pid" 2>/dev/null || true; }
  qv_close_session
}
trap cleanup EXIT
stage_start=$SECONDS
stage_took() { echo "-- $1 took $((SECONDS - stage_start)) s"; stage_start=$SECONDS; }

# The copy is taken while no server writes to the prefix.
qv_wait_prefix_free
# Only this script uses the copy: a server left on it by an interrupted run is ours to end.
WINEPREFIX="$SECOND_PREFIX" timeout 30 wineserver -k 2>/dev/null || true
rm -rf "$SECOND_PREFIX"
cp -a "$FIRST_PREFIX" "$SECOND_PREFIX"

second_log="build/test-second-session.log"
(
  export WINEPREFIX="$SECOND_PREFIX"
  trap qv_close_session EXIT
  qv_open_session 81 build/desktop-holder-second.log || exit 1
  status=0
  echo "== Windows-side tests under Wine"
  (cd build/win && ctest --output-on-failure) || status=1
  stage_took "Windows-side tests"
  echo "== end-to-end tests under Wine, second share: $SECOND_SHARE"
  python3 tests/e2e/run.py --only "$SECOND_SHARE" || status=1
  stage_took "end-to-end tests, second share"
  exit $status
) >"$second_log" 2>&1 &
second_pid=$!

status=0
qv_open_session 71 build/desktop-holder.log
echo "== native tests (AddressSanitizer, UndefinedBehaviorSanitizer)"
(cd build/native && ctest --output-on-failure -j "$(nproc)") || status=1
stage_took "native tests"
echo "== fuzzing the core (libFuzzer, about a minute)"
bash scripts/fuzz.sh || status=1
stage_took "fuzzing"
echo "== end-to-end tests under Wine, first share"
python3 tests/e2e/run.py --skip "$SECOND_SHARE" || status=1
stage_took "end-to-end tests, first share"

echo "== the second Wine session (Windows-side tests and the second share), from $second_log"
second_status=0
wait "$second_pid" || second_status=$?
second_pid=""
cat "$second_log"
((second_status == 0)) || status=1
exit $status
