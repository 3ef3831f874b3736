#!/usr/bin/env bash
# Sets up, builds and runs every test: unit tests on Qt's offscreen platform,
# end-to-end tests of the real executable under their own Xvfb, install and
# benchmark smoke tests; then the unit and reliability tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and a short fuzzing run.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/setup.sh"
ctest --test-dir "$top/build" --output-on-failure -j 2
bash "$top/scripts/test-sanitized.sh"
