#!/usr/bin/env bash
# Runs some end-to-end modules (or, with "ctest", the Windows-side tests) in a Wine session of
# their own, on the builds already made: e2e.sh test_page,test_keyboard | e2e.sh ctest [ARGS].
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$QV_ROOT"
(($#)) || { echo "usage: e2e.sh MODULE[,MODULE...] | e2e.sh ctest [ctest arguments]" >&2; exit 1; }
trap qv_close_session EXIT
qv_open_session 71 "build/desktop-holder-e2e-$$.log"
if [[ "$1" == ctest ]]; then
  shift
  (cd build/win && ctest --output-on-failure "$@")
else
  python3 tests/e2e/run.py --only "$1"
fi
