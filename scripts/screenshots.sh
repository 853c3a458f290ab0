#!/usr/bin/env bash
# Takes the README's pictures: installs whatever Debian packages are missing, builds the
# picture-taker and runs the real windows of a short game on a virtual X display, saving
# them as PNGs into docs/screenshots/.
# Usage: scripts/screenshots.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."

# The virtual display, and Liberation Sans: it has the widths of the fonts the windows were
# laid out for, so the pictures show the layout as designed rather than in whatever wider
# font the machine falls back to. setup.sh brings what the build needs.
scripts/install-packages.sh xvfb xauth fonts-liberation2

build="${1:-build-shots}"
scripts/setup.sh "$build" -DTARVANA_TESTS=OFF

out="$PWD/docs/screenshots"
mkdir -p "$out"
cd "$build"            # the game reads data/ from its working directory
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" ./tools/tarvana_screenshots "$out"
ls -l "$out"
