#!/usr/bin/env bash
# Installs whatever is missing, builds a Release build in build-bench and prints the whole
# benchmark report headless (offscreen), then again under Xvfb where xvfb-run is available.
# Usage: scripts/bench.sh [filter]   (the filter picks the cases whose name contains it)
set -euo pipefail
cd "$(dirname "$0")/.."

# Xvfb for the second report; setup.sh brings everything the build needs.
packages=(xvfb xauth)
scripts/install-packages.sh "${packages[@]}"

scripts/setup.sh build-bench -DCMAKE_BUILD_TYPE=Release

bench=build-bench/bench/tarvana_bench
echo
echo "date:    $(date)"
echo "machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)," \
     "$(awk '/^MemTotal/ {printf "%.1f GiB RAM", $2 / 1048576}' /proc/meminfo)"
echo "Qt:      $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)"
echo
echo "== offscreen (QT_QPA_PLATFORM=offscreen)"
QT_QPA_PLATFORM=offscreen "$bench" "$@"
if command -v xvfb-run >/dev/null; then
  echo
  echo "== Xvfb (QT_QPA_PLATFORM=xcb)"
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "$bench" "$@"
fi
