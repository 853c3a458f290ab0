#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine and runs the whole test suite headless:
# the test programs offscreen, and the checks that run the real game on a virtual X
# display, under weston and over special data files (label "desktop", each run alone;
# they install what they need from Debian). Exits non-zero if anything failed; ctest's
# closing summary names what.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
