#!/usr/bin/env bash
# Installs whatever Debian packages the build lacks, then configures and builds Tarvana.
# Usage: scripts/setup.sh [--target NAME]... [build-dir] [extra cmake arguments...]
#   Without --target it builds everything: the game, the tests, the tools, the benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."

targets=()
while [ "${1:-}" = --target ]; do targets+=(--target "$2"); shift 2; done

# libbenchmark-dev: Google Benchmark, for the benchmark program (bench/).
# fonts-liberation2: the texts are laid out for a font of Tahoma's widths; Debian's
# default sans is wider and cuts some of them off.
packages=(build-essential cmake ccache qt6-base-dev qt6-multimedia-dev libgtest-dev
          libbenchmark-dev libqt6multimedia6 libpulse0 fonts-liberation2)
scripts/install-packages.sh "${packages[@]}"

build="${1:-build}"
shift || true
# Paths inside the checkout count relative to it, so another clone of the same code, a
# worktree or CI's fresh clone, finds what an earlier build already compiled.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}" CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-true}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" -j"$(nproc)" "${targets[@]}"
