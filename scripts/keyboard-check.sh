#!/usr/bin/env bash
# Plays one whole game against the computer from the keyboard alone, on a virtual X display
# under the openbox window manager: settings, about box, start, aim, power, weapon, a drive
# each way, a purchase in the shop, a shot and the computer's answer, closing the
# battlefield and leaving the game. Every key is a real key event sent with xdotool to the
# window that has the focus; nothing moves or clicks the pointer. Each step is checked on
# the screen: the window that should be there by its title and size, and the pixels of the
# controls the keys should have changed.
# Usage: scripts/keyboard-check.sh [build-dir]     exit 0 when every step passed
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/desktop-session.sh
build="${1:-build}"
scripts/install-packages.sh xvfb xauth openbox xdotool x11-utils x11-xserver-utils \
  imagemagick fonts-liberation2 >/dev/null
[ -x "$build/app/tarvana" ] || scripts/setup.sh "$build" >/dev/null

pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; }
trap cleanup EXIT
start_desktop
started=$SECONDS
(cd "$build" && QT_QPA_PLATFORM=xcb exec ./app/tarvana >/dev/null 2>&1) & game=$!
pids+=("$game")

failed=0
check() { if eval "$2"; then echo "ok    $1"; else echo "FAIL  $1"; failed=1; fi; }
# The pointer is where the display put it, and stays there.
pointer() { xdotool getmouselocation | cut -d' ' -f1-2; }
pointer_at_start=$(pointer)

find_window() { # name, width: waits for the window to show
  for _ in $(seq 100); do visible_window "$1" "$2" && return 0; sleep 0.1; done
  return 1
}
gone() { # name, width: waits for no such window to show
  for _ in $(seq 50); do visible_window "$1" "$2" >/dev/null || return 0; sleep 0.1; done
  return 1
}
# The window gets the focus from the window manager, as a player's Alt+Tab would give it.
focus() { xdotool windowactivate --sync "$1" 2>/dev/null || true; sleep 0.3; }
# Real key events into whatever has the focus, logged.
keys() { echo "      keys: $*"; xdotool key --delay 60 "$@"; sleep 0.3; }
# A rectangle of a window's client area, as a checksum of its pixels.
pixels() { # window id, x, y, w, h
  local X Y WIDTH HEIGHT
  eval "$(place "$1")"
  import -silent -window root -crop "$4x$5+$((X + $2))+$((Y + $3))" rgb:- 2>/dev/null | md5sum | cut -d" " -f1
}
# With KEYBOARD_CHECK_SHOTS set to a folder, a picture of the window at each step goes there.
shot() { # window id, name
  [ -z "${KEYBOARD_CHECK_SHOTS:-}" ] && return 0
  mkdir -p "$KEYBOARD_CHECK_SHOTS"
  import -silent -window "$1" "$KEYBOARD_CHECK_SHOTS/$2.png" 2>/dev/null || true
}
# Waits until the rectangle shows the given pixels (or shows other pixels, with !=).
wait_for() { # seconds, window id, x, y, w, h, = or !=, checksum
  local until=$((SECONDS + $1)) now
  while [ $SECONDS -le $until ]; do
    now=$(pixels "$2" "$3" "$4" "$5" "$6")
    if [ "$7" = "=" ]; then [ "$now" = "$8" ] && return 0; else [ "$now" != "$8" ] && return 0; fi
    sleep 0.2
  done
  return 1
}
# Waits until the rectangle stops changing: a drive or a shot has ended.
settled() { # window id, x, y, w, h
  local before now
  before=$(pixels "$@")
  for _ in $(seq 100); do
    sleep 0.5
    now=$(pixels "$@")
    [ "$now" = "$before" ] && return 0
    before=$now
  done
  return 1
}

echo "step  main menu"
menu=$(find_window "Tarvana - Mervoss" 292) || { echo "FAIL  no main menu"; exit 1; }
focus "$menu"

echo "step  settings: no sound, no hints, the fastest shells"
keys alt+n
settings=$(find_window "Tarvana - Nastaveni" 544) || { echo "FAIL  no settings"; exit 1; }
speed=$(pixels "$settings" 304 288 105 17)
options=$(pixels "$settings" 16 280 220 30)
# The speed bar is last in the Tab chain, the two check boxes before it.
keys shift+Tab End
check "End moves the speed bar" "[ \"\$(pixels $settings 304 288 105 17)\" != \"$speed\" ]"
fastest=$(pixels "$settings" 304 288 105 17)
keys Left Right
check "Left and Right go back and forth: Right toward \"Rychla\"" \
  "[ \"$fastest\" != \"$speed\" ] && [ \"\$(pixels $settings 304 288 105 17)\" = \"$fastest\" ]"
keys shift+Tab space shift+Tab space
shot "$settings" settings
check "Space unticks hints and sound" "[ \"\$(pixels $settings 16 280 220 30)\" != \"$options\" ]"
keys Return
check "Enter closes the settings" "gone 'Tarvana - Nastaveni' 544"

echo "step  about box"
focus "$menu"
keys alt+o
about=$(find_window "Tarvana - Mervoss" 452) || { echo "FAIL  no about box"; exit 1; }
check "Alt+O shows the about box" "[ -n \"$about\" ]"
keys Escape
check "Escape closes it" "gone 'Tarvana - Mervoss' 452"

echo "step  start a game"
focus "$menu"
keys Return
field=$(find_window "Tarvana - Mervoss" 784) || { echo "FAIL  no battlefield"; exit 1; }
check "Enter on the menu starts a game" "gone 'Tarvana - Mervoss' 292"
focus "$field"
# Player 1's turn is open once its weapon box no longer looks like player 2's, disabled.
for _ in $(seq 100); do
  [ "$(pixels "$field" 56 480 105 21)" != "$(pixels "$field" 512 480 105 21)" ] && break
  sleep 0.2
done
settled "$field" 336 432 49 25
ready=$(pixels "$field" 336 432 49 25)

echo "step  aim"
angle=$(pixels "$field" 200 456 30 13)
keys Tab Tab Up Up Up Up Up
check "Tab, Tab and Up raise player 1's angle" "[ \"\$(pixels $field 200 456 30 13)\" != \"$angle\" ]"
raised=$(pixels "$field" 200 456 30 13)
keys Down Down Down Down Down
check "Down lowers it again" \
  "[ \"$raised\" != \"$angle\" ] && [ \"\$(pixels $field 200 456 30 13)\" = \"$angle\" ]"
keys Left Left Left Left Left
shot "$field" aimed
check "Left, toward the upright barrel, raises it as Up does" \
  "[ \"$raised\" != \"$angle\" ] && [ \"\$(pixels $field 200 456 30 13)\" = \"$raised\" ]"

echo "step  power"
power=$(pixels "$field" 200 480 30 13)
keys Tab Tab Prior Prior
check "Tab, Tab and Page Up raise the power" "[ \"\$(pixels $field 200 480 30 13)\" != \"$power\" ]"

echo "step  weapon"
count=$(pixels "$field" 56 510 25 13)
keys shift+Tab Down
shot "$field" weapon
check "Shift+Tab and Down pick the next shell: its count shows" \
  "[ \"\$(pixels $field 56 510 25 13)\" != \"$count\" ]"
count=$(pixels "$field" 56 510 25 13)

echo "step  drive"
fuel=$(pixels "$field" 56 456 105 17)
ground=$(pixels "$field" 0 0 326 424)
keys period
settled "$field" 0 0 326 424
shot "$field" driven
check "'.' drives player 1's tank" "[ \"\$(pixels $field 0 0 326 424)\" != \"$ground\" ]"
check "and burns fuel" "[ \"\$(pixels $field 56 456 105 17)\" != \"$fuel\" ]"
fuel=$(pixels "$field" 56 456 105 17)
keys comma
settled "$field" 0 0 326 424
check "',' drives it back, burning more" "[ \"\$(pixels $field 56 456 105 17)\" != \"$fuel\" ]"

echo "step  shop"
money=$(pixels "$field" 136 510 49 13)
keys alt+o
shop=$(find_window "Tarvana - Obchod" 489) || { echo "FAIL  no shop"; exit 1; }
credits=$(pixels "$shop" 392 112 89 57)
keys space
shot "$shop" shop
check "Space on the first Koupit buys" "[ \"\$(pixels $shop 392 112 89 57)\" != \"$credits\" ]"
keys Escape
check "Escape leaves the shop" "gone 'Tarvana - Obchod' 489"
check "the purchase is in the battlefield's money" "[ \"\$(pixels $field 136 510 49 13)\" != \"$money\" ]"
check "and in the chosen shell's count" "[ \"\$(pixels $field 56 510 25 13)\" != \"$count\" ]"

echo "step  fire"
keys Return
check "Enter fires: the fire button goes off" "wait_for 5 $field 336 432 49 25 != $ready"
check "the computer answers and the turn comes back" "wait_for 90 $field 336 432 49 25 = $ready"
shot "$field" answered

echo "step  close the battlefield and leave"
keys alt+F4
check "Alt+F4 closes the battlefield" "gone 'Tarvana - Mervoss' 784"
menu=$(find_window "Tarvana - Mervoss" 292) || { echo "FAIL  no main menu after the game"; exit 1; }
focus "$menu"
keys alt+k
ended=1
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || { ended=0; break; }; sleep 0.1; done
check "Alt+K ends the game" "[ $ended = 0 ]"
check "the pointer never moved" "[ \"\$(pointer)\" = \"$pointer_at_start\" ]"

echo "took $((SECONDS - started)) s"
[ $failed = 0 ] && echo "keyboard check passed" || echo "keyboard check FAILED"
exit $failed
