#!/usr/bin/env bash
# Builds the libFuzzer targets of the portable core with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) in build/fuzz and runs each for a bounded time from its
# seed corpus in tests/fuzz/corpus/<target>/. Any crash, sanitizer report, broken property
# or slow input fails the run; what caused it is kept in build/fuzz/artifacts/.
# QV_FUZZ_SECONDS sets the time per target (default 15 s: about a minute in all).
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$QV_ROOT"
SECONDS_EACH="${QV_FUZZ_SECONDS:-15}"
TARGETS=(config_file settings key_names mouse_answers)

bash scripts/build.sh fuzz >/dev/null

mkdir -p build/fuzz/artifacts
status=0
for target in "${TARGETS[@]}"; do
  # Inputs found in this run go to a corpus of the build, never into the repository's seeds.
  work="build/fuzz/corpus/$target"
  log="build/fuzz/$target.log"
  mkdir -p "$work"
  rc=0
  "build/fuzz/fuzz_$target" -max_total_time="$SECONDS_EACH" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="build/fuzz/artifacts/$target-" "$work" "tests/fuzz/corpus/$target" >"$log" 2>&1 || rc=$?
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
  if ((rc != 0)); then
    status=1
    echo "fuzz: $target FAILED (exit code $rc) after ${runs:-?} executions; its report:" >&2
    grep -E -A 30 "^==[0-9]+==ERROR|runtime error|property broken|ALARM|deadly signal" "$log" | cut -c1-200 | head -60 >&2 || tail -40 "$log" | cut -c1-200 >&2
    ls build/fuzz/artifacts/"$target"-* 2>/dev/null >&2 || true
  else
    echo "fuzz: $target: $runs executions in $SECONDS_EACH s, no fault"
  fi
done
exit $status
