#!/usr/bin/env bash
# Configures and builds the native core with its tests, the real and the simulated exe with
# the Windows-side tests, qv318ctl for Linux with its .deb, and the fuzz targets:
# build.sh [all|native|cli|fuzz|win|sim].
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$QV_ROOT"
JOBS="${QV_JOBS:-$(nproc)}"
what="${1:-all}"

# One compiler cache for every build and every checkout of the project: paths are taken
# relative to the checkout, so a fresh clone or a second work tree hits what another built.
LAUNCHER=()
if command -v ccache >/dev/null; then
  export CCACHE_DIR="${CCACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/qv318/ccache}"
  export CCACHE_BASEDIR="$QV_ROOT" CCACHE_NOHASHDIR=1 CCACHE_MAXSIZE="${CCACHE_MAXSIZE:-4G}"
  LAUNCHER=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

build() {  # build <dir> <cmake args...>; $TARGETS, when set, limits what is built
  local dir="$1" start=$SECONDS; shift
  cmake -S . -B "$dir" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${LAUNCHER[@]}" "$@" >/dev/null
  # shellcheck disable=SC2086
  cmake --build "$dir" -j "$JOBS" ${TARGETS:+--target $TARGETS}
  echo "build: $dir in $((SECONDS - start)) s"
}

if [[ "$what" == all || "$what" == native ]]; then
  # Unoptimised: the sanitizers make optimising the tests cost minutes of every clean build,
  # and the tests run in seconds either way; the core's asserts stay on.
  build build/native -DCMAKE_BUILD_TYPE=Debug
fi
if [[ "$what" == all || "$what" == cli ]]; then
  # Without sanitizers and optimised, as it ships; tests are the native build's.
  build build/cli-linux -DQV_CLI_RELEASE=ON -DCMAKE_BUILD_TYPE=Release
fi
if [[ "$what" == all || "$what" == fuzz ]]; then
  # The libFuzzer targets of the core, with clang; scripts/fuzz.sh runs them.
  CC=clang-14 CXX=clang++-14 build build/fuzz -DQV_FUZZ=ON
fi
if [[ "$what" == all || "$what" == win || "$what" == sim ]]; then
  # The real and the simulated program, each with its install layout; for "sim" only the
  # simulated layout and the probe that scripts/run.sh drives it with.
  if [[ "$what" == sim ]]; then TARGETS="dist_sim qvprobe"; fi
  build build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DQV_DIST_DIR="$QV_ROOT/build/dist/QV318_Driver" \
    -DQV_DIST_SIM_DIR="$QV_ROOT/build/dist-sim/QV318_Driver"
fi
