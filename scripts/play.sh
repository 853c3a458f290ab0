#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine, builds the game alone and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --target tarvana build
cd build            # the game reads data/ from its working directory
exec ./app/tarvana
