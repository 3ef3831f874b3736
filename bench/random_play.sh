#!/usr/bin/env bash
# The long random play: 400 seeds of 2500 events (a million events, over
# ten thousand games) through the same test as the bounded slice.
#   bench/random_play.sh [SEEDS] [EVENTS_PER_SEED] [BUILD]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${3:-$top/build}
export ROFO_PLAY_SEEDS=${1:-400} ROFO_PLAY_EVENTS=${2:-2500} QT_QPA_PLATFORM=offscreen
exec "$build/tests/reliability/rofo_reliability" --gtest_filter='RandomPlay.EveryInvariantHoldsAfterEveryEvent'
