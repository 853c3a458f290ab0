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
source scripts/desktop-session.sh
build="${1:-build}"
scripts/install-packages.sh xvfb xauth openbox xdotool wmctrl x11-utils x11-xserver-utils \
  imagemagick fonts-liberation2 >/dev/null
[ -x "$build/app/tarvana" ] || scripts/setup.sh "$build" >/dev/null

pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; }
trap cleanup EXIT
start_desktop
(cd "$build" && QT_QPA_PLATFORM=xcb exec ./app/tarvana >/dev/null 2>&1) & pids+=($!)

failed=0
check() { if eval "$2"; then echo "ok    $1"; else echo "FAIL  $1"; failed=1; fi; }
find_window() { # name, width: waits for the window to show
  for _ in $(seq 50); do visible_window "$1" "$2" && return 0; sleep 0.1; done
  return 1
}
centred() { # the frame's centre on the screen's, within a pixel
  local id=$1 X Y WIDTH HEIGHT l r t b
  eval "$(place "$id")"
  IFS=', ' read -r l r t b <<< "$(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //')"
  local dx=$(( X - l + (WIDTH + l + r) / 2 - 512 )) dy=$(( Y - t + (HEIGHT + t + b) / 2 - 384 ))
  echo "      $(xdotool getwindowname "$id"): frame centre off by ($dx, $dy)"
  [ "${dx#-}" -le 1 ] && [ "${dy#-}" -le 1 ]
}
# The shop or the settings are the transient of the window they block.
transient_of() { # window, owner
  xprop -id "$1" WM_TRANSIENT_FOR | grep -qi "$(printf '0x%x' "$2")"
}

menu=$(find_window "Tarvana - Mervoss" 292)
check "main menu centred" "centred $menu"
check "main menu has the game's icon" "xprop -id $menu _NET_WM_ICON | grep -q 'Icon (64 x 64)'"
xdotool windowactivate --sync "$menu" key alt+n
settings=$(find_window "Tarvana - Nastaveni" 544)
check "settings centred" "centred $settings"
check "settings are the menu's transient" "transient_of $settings $menu"
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
check "shop is the battlefield's transient" "transient_of $shop $field"
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
