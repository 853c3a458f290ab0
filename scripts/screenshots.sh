#!/usr/bin/env bash
# Takes the README's pictures: installs whatever Debian packages are missing, builds the
# picture-taker and runs the real windows of a short game on a virtual X display, saving
# them as PNGs into docs/screenshots/.
# Usage: scripts/screenshots.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."

# The build's packages as scripts/setup.sh lists them, the virtual display, and Liberation
# Sans: it has the widths of the fonts the windows were laid out for, so the pictures show
# the layout as designed rather than in whatever wider font the machine falls back to.
packages=(build-essential cmake ccache qt6-base-dev qt6-multimedia-dev libgtest-dev
          libqt6multimedia6 libpulse0 xvfb xauth fonts-liberation2)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

build="${1:-build-shots}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$(nproc)" --target tarvana_screenshots

out="$PWD/docs/screenshots"
mkdir -p "$out"
cd "$build"            # the game reads data/ from its working directory
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" ./tools/tarvana_screenshots "$out"
ls -l "$out"
