#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into their own folder and runs each
# for SECONDS (30 by default), starting from the committed seed corpus.
#   fuzz/run.sh [SECONDS] [TARGET...]     targets: dib icon jpeg
# New inputs found go to a scratch corpus, never into fuzz/corpus/. A crash
# leaves its input in the scratch folder and fails the run.
set -euo pipefail
seconds=${1:-30}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(dib icon jpeg)
here=$(cd "$(dirname "$0")" && pwd)
build=${ROFO_FUZZ_BUILD:-$here/../build-fuzz}
scratch=${ROFO_FUZZ_WORK:-$build/work}

CC=clang CXX=clang++ cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" | grep -vE '^\[ *[0-9]+%\]' || true

# Qt needs no display for images; ASan's leak check stays on.
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
status=0
for target in "${targets[@]}"; do
  mkdir -p "$scratch/$target"
  log="$scratch/$target.log"
  echo "fuzz_$target: ${seconds} s"
  if "$build/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$scratch/$target-" "$scratch/$target" "$here/corpus/$target" >"$log" 2>&1; then
    grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$log" | tr '\n' ' '
    echo "corpus $(ls "$scratch/$target" | wc -l) files: ok"
  else
    status=1
    echo "fuzz_$target FAILED; input left in $scratch/$target-*"
    tail -40 "$log"
  fi
done
exit $status
