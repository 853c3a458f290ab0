#!/usr/bin/env bash
# Closes the battlefield with the window manager's close box at a random moment of a game
# against the computer, again and again, on a virtual X display under openbox: the real
# game, driven as a player would. Each game: "Start hry" (Enter), fire (Enter), then after
# a random delay within the length of the shot and the computer's whole turn, the close
# (wmctrl -c: the window manager sends WM_DELETE_WINDOW). The battlefield must be gone and
# the main menu back every time.
#
# The settings are put on the fastest game speed first: the shell flies without pauses,
# while the computer's turn keeps all its own (its breaths, thinking, flashes, explosions
# and drives), so every moment of it can still be hit, and 200 games take about a quarter
# of an hour (16 minutes on a busy 2-core machine).
#
# Usage: scripts/close-check.sh [count] [build-dir]     exit 0 when no close was lost
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/desktop-session.sh
count="${1:-50}"
build="${2:-build}"
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; }
trap cleanup EXIT
start_game_on_desktop "$build"

now() { date +%s.%N; }
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.2f", b - a }'; }
find_window() { # name, width: waits for the window to show
  for _ in $(seq 100); do visible_window "$1" "$2" && return 0; sleep 0.1; done
  return 1
}
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
fail() { echo "FAIL  $*"; exit 1; }

menu=$(find_window "Tarvana - Mervoss" 292) || fail "no main menu"
# The fastest game: a click on the speed bar gives it the focus, End moves it to "Rychla".
xdotool windowactivate --sync "$menu" key alt+n
settings=$(find_window "Tarvana - Nastaveni" 544) || fail "no settings window"
eval "$(place "$settings")"
xdotool mousemove --sync $((X + 248 + 56 + 50)) $((Y + 264 + 24 + 8)) click 1 key End
sleep 0.3
xdotool key Escape
sleep 0.5

# One new game, up to player 1's first turn; prints the battlefield's id.
new_game() {
  local field
  xdotool windowactivate --sync "$menu" key Return
  field=$(find_window "Tarvana - Mervoss" 784) || return 1
  for _ in $(seq 50); do
    [ -z "${ready:-}" ] && break
    [ "$(fire_button "$field")" = "$ready" ] && break
    sleep 0.1
  done
  echo "$field"
}

# A first game without a close: how long the shot and the computer's turn last.
field=$(new_game) || fail "no battlefield"
sleep 1
ready=$(fire_button "$field")
xdotool windowactivate --sync "$field" key Return
t0=$(now)
sleep 0.5
for _ in $(seq 300); do [ "$(fire_button "$field")" = "$ready" ] && break; sleep 0.05; done
turn=$(since "$t0")
echo "the shot and the computer's turn took $turn s; closing at random moments within it"
wmctrl -i -c "$field"
for _ in $(seq 50); do viewable "$field" || break; sleep 0.1; done
viewable "$field" && fail "the battlefield stayed open after a close between turns"

lost=0
for i in $(seq "$count"); do
  visible_window "Tarvana - Mervoss" 292 >/dev/null || fail "game $i: no main menu"
  field=$(new_game) || fail "game $i: no battlefield"
  delay=$(awk -v r="$RANDOM" -v t="$turn" 'BEGIN { printf "%.2f", r / 32767 * t }')
  xdotool windowactivate --sync "$field" key Return
  sleep "$delay"
  wmctrl -i -c "$field"
  t0=$(now)
  closed=""
  for _ in $(seq 200); do
    if ! viewable "$field" && visible_window "Tarvana - Mervoss" 292 >/dev/null; then
      closed=$(since "$t0"); break
    fi
    sleep 0.05
  done
  if [ -n "$closed" ]; then
    echo "close $i at $delay s: battlefield gone, menu back after $closed s"
  else
    echo "close $i at $delay s: LOST (battlefield still open after 10 s)"
    lost=$((lost + 1))
    kill -0 "$game" 2>/dev/null || fail "the game has ended"
    wmctrl -i -c "$field"; sleep 2
  fi
done
echo "$count closes at random moments of the shot and the computer's turn, $lost lost"
[ "$lost" -eq 0 ]
