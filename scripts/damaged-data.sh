#!/usr/bin/env bash
# Plays the real game on a damaged copy of data/: one shot against the computer and the
# computer's answer, in real windows on a virtual X display under a window manager, with
# a sound server when one is installed. Then it closes the game.
#
# Usage: scripts/damaged-data.sh FILE DAMAGE [build-dir]
#   FILE    one of nebe.bmp start.wav vystrel.wav nuke.wav vybuch.wav smich.wav motor.wav
#           bonus.wav nakup.wav
#   DAMAGE  missing | empty | header | third | cut:BYTES | garbage | unreadable | folder | big
# Exit status 0: the game carried on (or, for the sky picture, said which file it could not
# read) and closed when asked; 1: it did not.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
source scripts/desktop-session.sh
file="${1:?which file of data/}"
damage="${2:?which damage}"
build="${3:-build}"

scripts/install-packages.sh xvfb xauth openbox xdotool wmctrl x11-utils x11-xserver-utils imagemagick \
  fonts-liberation2 pulseaudio pulseaudio-utils sox >/dev/null
[ -x "$build/app/tarvana" ] || scripts/setup.sh "$build" >/dev/null
game="$(cd "$build" && pwd)/app/tarvana"

work="$(mktemp -d)"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  chmod -R u+rwx "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

cp -r "$root/data" "$work/data"
target="$work/data/$file"
[ -e "$target" ] || { echo "no such data file: $file" >&2; exit 2; }
case "$damage" in
  missing)    rm -f "$target" ;;
  empty)      : > "$target" ;;
  header)     python3 - "$target" <<'PY'
import struct, sys
p = sys.argv[1]; b = open(p, 'rb').read()
end = struct.unpack_from('<I', b, 10)[0] if b[:2] == b'BM' else b.find(b'data') + 8
open(p, 'wb').write(b[:end])
PY
              ;;
  third)      truncate -s $(( $(stat -c %s "$target") / 3 )) "$target" ;;
  cut:*)      truncate -s "${damage#cut:}" "$target" ;;
  garbage)    head -c 4096 /dev/urandom > "$target" ;;
  unreadable) chmod 000 "$target" ;;
  folder)     rm -f "$target"; mkdir "$target" ;;
  big)        truncate -s 50M "$target" ;;
  *) echo "unknown damage: $damage" >&2; exit 2 ;;
esac
echo "data/$file: $damage ($(stat -c %s "$target" 2>/dev/null || echo -) bytes)"

start_desktop

# A sound server of our own with a null sink, recorded from its monitor.
rec=""
if command -v pulseaudio >/dev/null && command -v parec >/dev/null; then
  export XDG_RUNTIME_DIR="$work/run"; mkdir -p "$XDG_RUNTIME_DIR"; chmod 700 "$XDG_RUNTIME_DIR"
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --load="module-null-sink sink_name=tarvana" \
    --load=module-native-protocol-unix >/dev/null 2>&1 & pids+=($!)
  for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
  rec="$work/sound.raw"
  parec -d tarvana.monitor --format=s16le --rate=8000 --channels=1 > "$rec" 2>/dev/null & pids+=($!)
fi
t0=$(date +%s.%N)
stamp() { printf '%6.1f s  %s\n' "$(awk "BEGIN { print $(date +%s.%N) - $t0 }")" "$*"; }

cd "$work"
QT_QPA_PLATFORM=xcb "$game" >"$work/game.log" 2>&1 & game_pid=$!; pids+=($game_pid)

alive() { kill -0 "$game_pid" 2>/dev/null; }
wait_for() { # seconds, command...
  local limit=$1; shift
  local end=$(( $(date +%s) + limit ))
  while [ "$(date +%s)" -lt "$end" ]; do "$@" && return 0; alive || return 1; sleep 0.2; done
  return 1
}
fail() { stamp "FAILED: $*"; echo "game output:"; sed 's/^/  /' "$work/game.log"; exit 1; }
menu=$(wait_for 20 visible_window "Tarvana - Mervoss" 292 && visible_window "Tarvana - Mervoss" 292) ||
  fail "no main menu"
stamp "main menu up"
xdotool windowactivate --sync "$menu" key Return
if [ "$file" = nebe.bmp ] && [ "$damage" != big ] && ! { [ "$damage" = unreadable ] && [ -r "$target" ]; }; then
  box=$(wait_for 10 xdotool search --onlyvisible --name '^Tarvana$' && xdotool search --onlyvisible --name '^Tarvana$' | head -1) ||
    fail "no message about the sky picture"
  stamp "message box: $(xdotool getwindowname "$box")"
  xdotool windowactivate --sync "$box" key Return
  field=$(wait_for 10 visible_window "Tarvana - Mervoss" 784 && visible_window "Tarvana - Mervoss" 784) || fail "no battlefield"
  stamp "battlefield without a round"
else
  field=$(wait_for 20 visible_window "Tarvana - Mervoss" 784 && visible_window "Tarvana - Mervoss" 784) || fail "no battlefield"
  sleep 1
  stamp "battlefield up, player 1 to move"
  ready=$(fire_button "$field")
  xdotool windowactivate --sync "$field" key alt+p
  # Poll here rather than in a subshell: the fire button greys out during the shot and
  # the computer's turn, then comes back.
  end=$(( $(date +%s) + 10 )); busy=0
  while [ "$(date +%s)" -lt "$end" ]; do
    alive || fail "the game ended during the shot"
    [ "$(fire_button "$field")" != "$ready" ] && { busy=1; break; }
    sleep 0.1
  done
  [ $busy = 1 ] || fail "Alt+P fired no shot"
  stamp "shot fired"
  end=$(( $(date +%s) + 90 )); back=0
  while [ "$(date +%s)" -lt "$end" ]; do
    alive || fail "the game ended during the computer's turn"
    [ "$(fire_button "$field")" = "$ready" ] && { back=1; break; }
    sleep 0.2
  done
  [ $back = 1 ] || fail "the turn never came back to player 1 (the game froze)"
  stamp "the computer answered, player 1 to move again"
fi

wmctrl -i -c "$field"
wait_for 15 visible_window "Tarvana - Mervoss" 292 >/dev/null || fail "the battlefield did not close"
stamp "battlefield closed, main menu back"
wmctrl -i -c "$(visible_window "Tarvana - Mervoss" 292)"
for _ in $(seq 100); do alive || break; sleep 0.1; done
alive && fail "the game did not end"
wait "$game_pid" || fail "the game ended with status $?"
stamp "game ended"

if [ -n "$rec" ]; then
  sleep 0.3
  # Where the recording is loud: when each sound (or the stand-in beep) really played.
  python3 - "$rec" <<'PY'
import array, sys
a = array.array('h', open(sys.argv[1], 'rb').read())
rate, win, on, starts = 8000, 400, False, []
for i in range(0, len(a) - win, win):
    loud = max(abs(x) for x in a[i:i + win]) > 1000
    if loud and not on:
        starts.append(i / rate)
    on = loud
print("sound heard at: " + (", ".join("%.1f s" % s for s in starts) or "nothing"))
PY
fi
echo "carried on"
