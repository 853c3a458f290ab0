#!/usr/bin/env bash
# The real game on a copy of data/ whose files are special files: a named pipe, a link to
# /dev/zero and a link to itself; opening the pipe once held the window for good. Each
# kind in two games on one virtual desktop with its sound server (scripts/damaged-data.sh):
# start.wav and vystrel.wav together, in a game of two players at the fastest flight (the
# round starts, player 1 fires, the turn passes to player 2, the game closes), and
# nebe.bmp (its message, then the game closes). A socket, and every other data file, are
# in the test suite's sweep; scripts/damaged-data.sh plays any of them by hand.
#
# Usage: scripts/pipe-and-link-check.sh [build-dir]   (default build)
# Exit status 0 when every game carried on and closed; non-zero on any hang or crash.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/damaged-data.sh

pids=()
log="$(mktemp)"
trap 'damaged_data_teardown; rm -f "$log"' EXIT
damaged_data_setup "${1:-build}"

failed=()
games=0
t_all=$(date +%s.%N)
for damage in fifo zero-link loop; do
  for files in start.wav,vystrel.wav nebe.bmp; do
    mode=quick
    [ "$files" != nebe.bmp ] || mode=computer # no round starts: the opponent does not matter
    echo "== $files: $damage"
    games=$((games + 1))
    t=$(date +%s.%N)
    # Not as an if's condition: there bash would ignore errors inside the run.
    set +e
    damaged_data_run "$files" "$damage" $mode > "$log" 2>&1
    rc=$?
    set -e
    sed 's/^/   /' "$log"
    result=ok
    [ $rc = 0 ] || { result=FAILED; failed+=("$files $damage"); }
    printf '   %s in %.1f s\n' "$result" "$(awk "BEGIN { print $(date +%s.%N) - $t }")"
  done
done
printf 'special files: %d games, %d failed, %.1f s\n' $games ${#failed[@]} \
  "$(awk "BEGIN { print $(date +%s.%N) - $t_all }")"
[ ${#failed[@]} -eq 0 ] || { printf 'failed: %s\n' "${failed[@]}"; exit 1; }
