#!/usr/bin/env bash
# Checks the game's windows on a real desktop: a virtual X display under the openbox
# window manager, driven with xdotool. It checks that
#   - every window it opens is centred on the screen with its frame;
#   - the windows carry the game's icon;
#   - Enter fires after a weapon was picked with the mouse, and opens no shop;
#   - the shop is the battlefield's transient, and comes back when minimised and the
#     battlefield is activated.
# Usage: scripts/desktop-check.sh [build-dir]     exit 0 when every check passed
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
scripts/install-packages.sh xvfb xauth openbox xdotool wmctrl x11-utils x11-xserver-utils \
  imagemagick fonts-liberation2 >/dev/null
[ -x "$build/app/tarvana" ] || scripts/setup.sh "$build" >/dev/null

pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; }
trap cleanup EXIT
display=":$(( 200 + RANDOM % 100 ))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & pids+=($!)
export DISPLAY="$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 & pids+=($!)
sleep 0.5
xset r off
(cd "$build" && QT_QPA_PLATFORM=xcb exec ./app/tarvana >/dev/null 2>&1) & pids+=($!)

failed=0
check() { if eval "$2"; then echo "ok    $1"; else echo "FAIL  $1"; failed=1; fi; }
find_window() { # name, width: the visible window of that name and client width
  local id
  for _ in $(seq 50); do
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
      xwininfo -id "$id" | grep -q "Width: $2\$" && { echo "$id"; return 0; }
    done
    sleep 0.1
  done
  return 1
}
# The window's own place on the screen (xdotool's adds the frame's offset once more).
place() { # id -> X Y WIDTH HEIGHT
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
                           /Width:/ {w=$2} /Height:/ {h=$2} END {print "X=" x " Y=" y " WIDTH=" w " HEIGHT=" h}'
}
centred() { # the frame's centre on the screen's, within a pixel
  local id=$1 X Y WIDTH HEIGHT l r t b
  eval "$(place "$id")"
  IFS=', ' read -r l r t b <<< "$(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //')"
  local dx=$(( X - l + (WIDTH + l + r) / 2 - 512 )) dy=$(( Y - t + (HEIGHT + t + b) / 2 - 384 ))
  echo "      $(xdotool getwindowname "$id"): frame centre off by ($dx, $dy)"
  [ "${dx#-}" -le 1 ] && [ "${dy#-}" -le 1 ]
}
fire_button() { # the fire button's pixels
  local X Y WIDTH HEIGHT
  eval "$(place "$1")"
  import -silent -window root -crop "49x25+$((X + 336))+$((Y + 432))" rgb:- 2>/dev/null | md5sum
}

menu=$(find_window "Tarvana - Mervoss" 292)
check "main menu centred" "centred $menu"
check "main menu has the game's icon" "xprop -id $menu _NET_WM_ICON | grep -q 'Icon (64 x 64)'"
xdotool windowactivate --sync "$menu" key alt+n
settings=$(find_window "Tarvana - Nastaveni" 544)
check "settings centred" "centred $settings"
check "settings are the menu's transient" \
  "xprop -id $settings WM_TRANSIENT_FOR | grep -qi \"$(printf '0x%x' "$menu")\""
xdotool windowactivate --sync "$settings" key Escape
sleep 0.5
xdotool windowactivate --sync "$menu" key Return
field=$(find_window "Tarvana - Mervoss" 784)
sleep 1
check "battlefield centred" "centred $field"
ready=$(fire_button "$field")

# A weapon picked with the mouse: the weapon box keeps the focus, and Enter fires.
eval "$(place "$field")"
xdotool mousemove --sync $((X + 100)) $((Y + 490)) click 1
sleep 0.5
xdotool key Down Return   # "Stredni strela" from the opened list
sleep 0.5
xdotool key Return
sleep 0.5
check "Enter after a weapon picked with the mouse fires" "[ \"\$(fire_button $field)\" != \"$ready\" ]"
check "and opens no shop" "! xdotool search --onlyvisible --name '^Tarvana - Obchod\$' >/dev/null"
for _ in $(seq 300); do [ "$(fire_button "$field")" = "$ready" ] && break; sleep 0.2; done
check "the turn came back to player 1" "[ \"\$(fire_button $field)\" = \"$ready\" ]"

xdotool windowactivate --sync "$field" key alt+o
shop=$(find_window "Tarvana - Obchod" 489)
check "shop centred" "centred $shop"
check "shop is the battlefield's transient" \
  "xprop -id $shop WM_TRANSIENT_FOR | grep -qi \"$(printf '0x%x' "$field")\""
xdotool windowminimize --sync "$shop"
xdotool windowactivate "$field" 2>/dev/null || wmctrl -i -a "$field"
sleep 1
check "a minimised shop comes back with the battlefield" \
  "xwininfo -id $shop | grep -q IsViewable"
wmctrl -i -c "$shop"
sleep 0.5
wmctrl -i -c "$field"
sleep 0.5
wmctrl -i -c "$menu"
[ $failed = 0 ] && echo "desktop check passed" || echo "desktop check FAILED"
exit $failed
