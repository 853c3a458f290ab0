# Sourced by the scripts that drive the real game on a virtual desktop: a display under the
# openbox window manager, and what they read of the game's windows there. The caller keeps
# the background processes in the array `pids` and ends them itself.

# A virtual 1024x768 display with openbox, and no key repeat (a key xdotool leaves held
# would fire the default button again and again). Sets DISPLAY.
start_desktop() {
  # A display another session already runs would take this one's windows and keys.
  local n
  while n=$(( 90 + RANDOM % 200 )); [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do :; done
  local display=":$n"
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & pids+=($!)
  export DISPLAY="$display"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  openbox >/dev/null 2>&1 & pids+=($!)
  sleep 0.5
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
