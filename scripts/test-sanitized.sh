#!/usr/bin/env bash
# The unit and reliability tests built with AddressSanitizer and
# UndefinedBehaviorSanitizer (any report fails the run, leaks included), then
# 30 seconds of each fuzzer. The build lives in build-asan/ beside build/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${ROFO_ASAN_BUILD:-$top/build-asan}

cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release -DROFO_SANITIZE=ON >/dev/null
log=$(mktemp)
cmake --build "$build" -j "$(nproc)" --target rofo_tests rofo_reliability rofo_resource_faults >"$log" 2>&1 \
  || { cat "$log"; rm -f "$log"; exit 1; }
rm -f "$log"

export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# A smaller slice of random play: the sanitizers slow every event down.
export ROFO_PLAY_SEEDS=${ROFO_PLAY_SEEDS:-12}
ctest --test-dir "$build" -L 'unit|reliability' --output-on-failure -j 2

ROFO_FUZZ_BUILD=${ROFO_FUZZ_BUILD:-$top/build-fuzz} bash "$top/fuzz/run.sh" "${ROFO_FUZZ_SECONDS:-30}"
