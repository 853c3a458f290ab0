#!/usr/bin/env bash
# Plays the real game on a damaged copy of data/: one shot against the computer and the
# computer's answer, in real windows on a virtual X display under a window manager, with
# a sound server when one is installed. Then it closes the game.
#
# Usage: scripts/damaged-data.sh FILE[,FILE...] DAMAGE [build-dir]
#   FILE    one or more of nebe.bmp start.wav vystrel.wav nuke.wav vybuch.wav smich.wav
#           motor.wav bonus.wav nakup.wav, each damaged the same way
#   DAMAGE  missing | empty | header | third | cut:BYTES | garbage | unreadable | folder | big
#           | fifo (a named pipe) | zero-link (a link to /dev/zero) | loop (a link to itself)
#           | socket; each made by tarvana_damage, as in the damaged-data tests (big: a WAV
#           whose samples repeat to 50 MB, any other file padded to 50 MB)
# Exit status 0: the game carried on (or, for the sky picture, said which file it could not
# read) and closed when asked; 1: it did not.
#
# Sourced, it only defines damaged_data_setup and damaged_data_run, so that one desktop and
# sound server serve many runs (scripts/pipe-and-link-check.sh).

# Packages, the game's build, the desktop and the sound server. Sets `game` and `root`;
# what it starts goes into the caller's `pids`, and damaged_data_teardown ends it.
damaged_data_setup() { # build-dir
  root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
  source "$root/scripts/desktop-session.sh"
  "$root/scripts/install-packages.sh" xvfb xauth openbox xdotool wmctrl x11-utils x11-xserver-utils \
    imagemagick fonts-liberation2 pulseaudio pulseaudio-utils sox python3 >/dev/null
  local build="$1"
  case "$build" in /*) ;; *) build="$root/$build" ;; esac
  [ -x "$build/app/tarvana" ] || "$root/scripts/setup.sh" "$build" >/dev/null
  game="$(cd "$build" && pwd)/app/tarvana"
  damage_tool="$(cd "$build" && pwd)/tests/support/tarvana_damage"
  [ -x "$damage_tool" ] || cmake --build "$build" --target tarvana_damage >/dev/null
  start_desktop
  # A sound server of our own with a null sink, recorded from its monitor in each run.
  recording=0
  if command -v pulseaudio >/dev/null && command -v parec >/dev/null; then
    XDG_RUNTIME_DIR="$(mktemp -d)"; export XDG_RUNTIME_DIR
    sound_dir="$XDG_RUNTIME_DIR"
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --load="module-null-sink sink_name=tarvana" \
      --load=module-native-protocol-unix >/dev/null 2>&1 & pids+=($!)
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    recording=1
  fi
}

# The pixels of the battlefield's right-hand panel, player 2's.
player2_panel() { # battlefield window id
  local X Y WIDTH HEIGHT
  eval "$(place "$1")"
  import -silent -window root -crop "325x113+$((X + 459))+$((Y + 424))" rgb:- 2>/dev/null | md5sum
}

damaged_data_teardown() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  [ -z "${sound_dir:-}" ] || rm -rf "$sound_dir"
}

# One game on a fresh copy of data/ with the files damaged. Runs in a subshell of its own:
# a failure ends only this run, and the run cleans up after itself. Against the computer
# by default; "quick" plays two humans at the fastest flight, where the turn passes as
# soon as the shot has landed, without the computer's turn and its pauses.
damaged_data_run() ( # FILE[,FILE...] DAMAGE [computer|quick]
  set -euo pipefail
  local names="$1" damage="$2" mode="${3:-computer}"
  local work; work="$(mktemp -d)"
  local run_pids=()
  cleanup_run() {
    for p in "${run_pids[@]}"; do kill "$p" 2>/dev/null || true; done
    chmod -R u+rwx "$work" 2>/dev/null || true
    rm -rf "$work"
  }
  trap cleanup_run EXIT

  cp -r "$root/data" "$work/data"
  local files sky=0 target
  IFS=, read -ra files <<<"$names"
  for file in "${files[@]}"; do
    target="$work/data/$file"
    [ -e "$target" ] || { echo "no such data file: $file" >&2; exit 2; }
    # The same kinds of damage as the damaged-data tests, made by the same code.
    "$damage_tool" "$damage" "$target" || exit 2
    echo "data/$file: $damage ($(stat -c '%F, %s bytes' "$target" 2>/dev/null || echo 'nothing there'))"
    # The sky picture stops the game with its message unless the damage leaves it whole.
    if [ "$file" = nebe.bmp ] && [ "$damage" != big ] &&
       ! { [ "$damage" = unreadable ] && [ -r "$target" ]; }; then
      sky=1
    fi
  done

  local rec=""
  if [ "$recording" = 1 ]; then
    rec="$work/sound.raw"
    parec -d tarvana.monitor --format=s16le --rate=8000 --channels=1 > "$rec" 2>/dev/null & run_pids+=($!)
  fi
  local t0; t0=$(date +%s.%N)
  stamp() { printf '%6.1f s  %s\n' "$(awk "BEGIN { print $(date +%s.%N) - $t0 }")" "$*"; }

  cd "$work"
  QT_QPA_PLATFORM=xcb "$game" >"$work/game.log" 2>&1 & local game_pid=$!; run_pids+=($game_pid)

  alive() { kill -0 "$game_pid" 2>/dev/null; }
  wait_for() { # seconds, command...
    local limit=$1; shift
    local end=$(( $(date +%s) + limit ))
    while [ "$(date +%s)" -lt "$end" ]; do "$@" && return 0; alive || return 1; sleep 0.2; done
    return 1
  }
  fail() { stamp "FAILED: $*"; echo "game output:"; sed 's/^/  /' "$work/game.log"; exit 1; }
  local menu field box ready end busy back
  menu=$(wait_for 20 visible_window "Tarvana - Mervoss" 292 && visible_window "Tarvana - Mervoss" 292) ||
    fail "no main menu"
  stamp "main menu up"
  if [ "$mode" = quick ]; then
    local settings X Y WIDTH HEIGHT
    xdotool windowactivate --sync "$menu" key alt+n
    settings=$(wait_for 10 visible_window "Tarvana - Nastaveni" 544 && visible_window "Tarvana - Nastaveni" 544) ||
      fail "no settings window"
    eval "$(place "$settings")"
    xdotool mousemove --sync $((X + 24)) $((Y + 70)) click 1   # "2 hraci proti sobe"
    xdotool mousemove --sync $((X + 354)) $((Y + 296)) click 1 key End   # "Rychla"
    xdotool windowactivate --sync "$settings" key alt+o
    wait_for 10 bash -c "! xdotool search --onlyvisible --name '^Tarvana - Nastaveni\$' >/dev/null 2>&1" ||
      fail "the settings window did not close"
    xdotool mousemove 0 0 # no hint pops up over the windows the checks look at
    stamp "two players on one computer, fastest flight"
  fi
  xdotool windowactivate --sync "$menu" key Return
  if [ $sky = 1 ]; then
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
    if [ "$mode" = quick ]; then
      # The fastest shot may be over between two looks at the fire button; the turn
      # passing shows for good in player 2's panel, whose controls come alive.
      local panel; panel=$(player2_panel "$field")
      xdotool windowactivate --sync "$field" key alt+p
      stamp "fire pressed"
      end=$(( $(date +%s) + 20 )); back=0
      while [ "$(date +%s)" -lt "$end" ]; do
        alive || fail "the game ended during the shot"
        [ "$(fire_button "$field")" = "$ready" ] && [ "$(player2_panel "$field")" != "$panel" ] &&
          { back=1; break; }
        sleep 0.1
      done
      [ $back = 1 ] || fail "the turn never passed to player 2 (the game froze, or Alt+P fired no shot)"
      stamp "the shot landed, player 2 to move"
    else
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
    # One line of od per 50 ms (400 samples at 8000 a second).
    od -An -v -td2 -w800 "$rec" | awk '
      { m = 0; for (i = 1; i <= NF; i++) { v = $i < 0 ? -$i : $i; if (v > m) m = v } }
      m > 1000 && !on { heard = heard (heard ? ", " : "") sprintf("%.1f s", (NR - 1) * 0.05) }
      { on = m > 1000 }
      END { print "sound heard at: " (heard ? heard : "nothing") }'
  fi
  echo "carried on"
)

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  pids=()
  trap damaged_data_teardown EXIT
  damaged_data_setup "${3:-build}"
  damaged_data_run "${1:?which file of data/}" "${2:?which damage}"
fi
