#!/usr/bin/env bash
# Installs whatever is missing, builds a Release build in build-bench and prints the whole
# benchmark report (Google Benchmark's) headless (offscreen), then again under Xvfb where
# xvfb-run is available, and under weston where it is installed.
# Usage: scripts/bench.sh [text] [Google Benchmark flags]
#   text: only the cases whose name contains it; e.g. scripts/bench.sh combat/
#   flags: e.g. --benchmark_repetitions=5, --benchmark_format=json
set -euo pipefail
cd "$(dirname "$0")/.."

# Google Benchmark, and Xvfb for the second report; setup.sh brings everything else the
# build needs (and Google Benchmark too).
packages=(libbenchmark-dev xvfb xauth)
scripts/install-packages.sh "${packages[@]}"

scripts/setup.sh build-bench -DCMAKE_BUILD_TYPE=Release

bench=build-bench/bench/tarvana_bench
echo
echo "date:    $(date)"
echo "machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)," \
     "$(awk '/^MemTotal/ {printf "%.1f GiB RAM", $2 / 1048576}' /proc/meminfo)"
echo "Qt:      $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)," \
     "Google Benchmark $(dpkg-query -W -f='${Version}' libbenchmark-dev 2>/dev/null || echo unknown)"
echo "commit:  $(git rev-parse --short HEAD 2>/dev/null || echo unknown)"
echo
echo "== offscreen (QT_QPA_PLATFORM=offscreen)"
QT_QPA_PLATFORM=offscreen "$bench" "$@"
if command -v xvfb-run >/dev/null; then
  echo
  echo "== Xvfb (QT_QPA_PLATFORM=xcb)"
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "$bench" "$@"
fi
# A third report under a Wayland compositor, where weston and Qt's Wayland plugin are
# installed.
if command -v weston >/dev/null && dpkg-query -W -f='${Status}' qt6-wayland 2>/dev/null | grep -q installed; then
  echo
  echo "== Wayland (QT_QPA_PLATFORM=wayland, weston headless)"
  source scripts/wayland-session.sh
  start_weston
  wayland "$bench" "$@" || true
  stop_weston
fi
