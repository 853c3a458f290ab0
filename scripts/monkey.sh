#!/usr/bin/env bash
# The long monkey run: seeded random play through every window, with the game's rules
# checked after every input. Sets everything up first, like the test command.
# Usage: scripts/monkey.sh [inputs per seed] [seeds, comma-separated] [build dir]
# An address + undefined sanitizer build is used when the build dir is build-asan.
set -euo pipefail
cd "$(dirname "$0")/.."
events="${1:-20000}"
seeds="${2:-1,2,3,4,5}"
build="${3:-build}"
if [ "$build" = build-asan ]; then
  scripts/setup.sh "$build" -DCMAKE_BUILD_TYPE=Debug -DTARVANA_SANITIZE=ON
else
  scripts/setup.sh "$build"
fi
TARVANA_MONKEY_EVENTS="$events" TARVANA_MONKEY_SEEDS="$seeds" QT_QPA_PLATFORM=offscreen \
  "$build/tests/test_app_monkey"
