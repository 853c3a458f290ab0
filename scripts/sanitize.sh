#!/usr/bin/env bash
# The check before a release: the address + undefined-behaviour sanitizer build runs the
# whole test suite, then the long monkey run. Any sanitizer report fails the run.
# Usage: scripts/sanitize.sh [monkey inputs per seed] [monkey seeds, comma-separated]
set -euo pipefail
cd "$(dirname "$0")/.."
events="${1:-20000}"
seeds="${2:-1,2,3}"
scripts/setup.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DTARVANA_SANITIZE=ON
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0:halt_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
(cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" -LE desktop)
TARVANA_MONKEY_EVENTS="$events" TARVANA_MONKEY_SEEDS="$seeds" QT_QPA_PLATFORM=offscreen \
  build-asan/tests/test_app_monkey
