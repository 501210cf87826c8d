#!/usr/bin/env bash
# Configures and builds the native core with its tests, the real exe and the simulated exe,
# and qv318ctl for Linux with its .deb.
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$QV_ROOT"
JOBS="${QV_JOBS:-$(nproc)}"
what="${1:-all}"

build() {  # build <dir> <cmake args...>
  local dir="$1" start=$SECONDS; shift
  cmake -S . -B "$dir" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" -j "$JOBS"
  echo "build: $dir in $((SECONDS - start)) s"
}

if [[ "$what" == all || "$what" == native ]]; then
  build build/native
fi
if [[ "$what" == all || "$what" == cli ]]; then
  # Without sanitizers and optimised, as it ships; tests are the native build's.
  build build/cli-linux -DQV_CLI_RELEASE=ON -DCMAKE_BUILD_TYPE=Release
fi
if [[ "$what" == all || "$what" == win ]]; then
  build build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DQV_DIST_DIR="$QV_ROOT/build/dist/QV318_Driver"
fi
if [[ "$what" == all || "$what" == sim ]]; then
  build build/win-sim -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DQV_SIMULATED=ON \
    -DQV_DIST_DIR="$QV_ROOT/build/dist-sim/QV318_Driver"
fi
