# Sourced by the scripts that drive the real game on a virtual desktop: a display under the
# openbox window manager, and what they read of the game's windows there. The caller keeps
# the background processes in the array `pids` and ends them itself.

# A virtual display of the given size, 1024x768 unless told otherwise, on the first display
# number no other X server holds, so that checks can run side by side. Sets DISPLAY and
# SCREEN_W, SCREEN_H. Xvfb must not reset when its last client leaves: between two starts
# of a check no program may be connected, and one connecting during the reset is refused.
start_display() { # [WIDTHxHEIGHT]
  local size=${1:-1024x768} number
  number=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$number" >/dev/null 2>&1 & pids+=($!)
  for _ in $(seq 100); do [ -s "$number" ] && break; sleep 0.05; done
  export DISPLAY=":$(head -n1 "$number")"
  rm -f "$number"
  SCREEN_W=${size%x*} SCREEN_H=${size#*x}
}

# openbox on the display, in the background; its PID in OPENBOX_PID. Returns at once: a
# caller that needs it ready waits with wm_ready.
start_openbox() {
  openbox >/dev/null 2>&1 & OPENBOX_PID=$!; pids+=($OPENBOX_PID)
}

# Whether a window manager has announced itself on the display; wm_ready waits for it.
wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wm_ready() {
  for _ in $(seq 100); do wm_up && return 0; sleep 0.05; done
  return 1
}

# Ends the PID, started by the caller, waits until it has gone and takes it out of `pids`,
# where it might name another process later.
stop_pid() { # pid
  local kept=() p
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
  for p in "${pids[@]}"; do [ "$p" = "$1" ] || kept+=("$p"); done
  pids=("${kept[@]}")
}

# A virtual display (1024x768 unless told otherwise) with openbox, and no key repeat (a key
# xdotool leaves held would fire the default button again and again). Sets DISPLAY.
start_desktop() { # [WIDTHxHEIGHT]
  start_display "$@"
  start_openbox
  wm_ready || true
  sleep 0.3
  xset r off
}

# A window's own place on the screen (xdotool's adds the frame's offset once more).
place() { # id -> X= Y= WIDTH= HEIGHT=, to eval
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
                           /Width:/ {w=$2} /Height:/ {h=$2} END {print "X=" x " Y=" y " WIDTH=" w " HEIGHT=" h}'
}

# The visible window of that name and client width, or nothing.
visible_window() { # name, width
  local id
  for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
    xwininfo -id "$id" | grep -q "Width: $2\$" && { echo "$id"; return 0; }
  done
  return 1
}

# The battlefield's fire button's pixels, enabled or not.
fire_button() { # battlefield window id
  local X Y WIDTH HEIGHT
  eval "$(place "$1")"
  import -silent -window root -crop "49x25+$((X + 336))+$((Y + 432))" rgb:- 2>/dev/null | md5sum
}

# Installs what driving the game on a desktop needs, builds the game if it is not built
# yet, starts the desktop and the game on it, and keeps the game's PID in `game`.
start_game_on_desktop() { # build-dir
  scripts/install-packages.sh xvfb xauth openbox xdotool wmctrl x11-utils x11-xserver-utils \
    imagemagick fonts-liberation2 >/dev/null
  [ -x "$1/app/tarvana" ] || scripts/setup.sh "$1" >/dev/null
  start_desktop
  (cd "$1" && QT_QPA_PLATFORM=xcb exec ./app/tarvana >/dev/null 2>&1) & game=$!; pids+=($game)
}

# How far the centre of a window with its frame lies from the screen's: "dx dy". Fails while
# the window manager has not framed the window yet.
frame_offset() { # id
  local X Y WIDTH HEIGHT l r t b
  eval "$(place "$1")"
  IFS=', ' read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep '=' | sed 's/.*= //')
  [ -n "${b:-}" ] || return 1
  echo "$(( X - l + (WIDTH + l + r) / 2 - SCREEN_W / 2 )) $(( Y - t + (HEIGHT + t + b) / 2 - SCREEN_H / 2 ))"
}
