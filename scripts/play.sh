#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
cd build            # the game reads data/ from its working directory
exec ./app/tarvana
