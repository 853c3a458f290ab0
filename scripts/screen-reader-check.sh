#!/usr/bin/env bash
# Checks the game with a real screen reader, the way a blind player meets it: Orca over
# AT-SPI on a private D-Bus session and a virtual X display under openbox. It checks that
#   - every window's controls have a name and a role, the battlefield's angle and power bars
#     take the focus and report what their labels show, the gauges are named
#     (scripts/atspi_tree.py reads them over AT-SPI as Orca does);
#   - Orca speaks a game: the turn at the start, the angle bar reached by Tab and moved,
#     the shot fired with Enter, where it came down, the computer's turn and shot, the turn
#     back, a purchase in the shop.
# Orca's speech goes through speech-dispatcher to an output module that writes each
# utterance to a file instead of a sound card. Everything ends with the script.
# Usage: scripts/screen-reader-check.sh [build-dir]    exit 0 when every check passed
# The battlefield's Tab chain is taken to be PAL, Obchod, then player 1's angle bar.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"

if [ -z "${TARVANA_READER_SESSION:-}" ]; then
  scripts/install-packages.sh xvfb xauth openbox xdotool x11-utils x11-xserver-utils \
    dbus at-spi2-core python3-pyatspi orca speech-dispatcher >/dev/null
  [ -x "$build/app/tarvana" ] || scripts/setup.sh "$build" >/dev/null
  build="$(cd "$build" && pwd)"
  # The AT-SPI bus is started on demand by the session bus, whose own chatter is dropped.
  exec 3>&2
  exec env TARVANA_READER_SESSION=1 dbus-run-session -- "$0" "$build" 2>/dev/null
fi
{ true >&3; } 2>/dev/null && exec 2>&3 3>&-

source scripts/desktop-session.sh
tmp="$(mktemp -d)"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  sleep 0.5
  for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done
  rm -rf "$tmp"
}
trap cleanup EXIT
export HOME="$tmp/home" XDG_RUNTIME_DIR="$tmp/run" XDG_CONFIG_HOME="$tmp/home/.config"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" && install -d -m 700 "$XDG_RUNTIME_DIR"
log="${SPEECH_LOG:-$tmp/speech.log}"
: > "$log"

# speech-dispatcher with one output module, which appends what it is to say to the log.
mkdir -p "$tmp/sd/modules"
cat > "$tmp/sd/speechd.conf" <<CONF
LogDir "$tmp"
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "log" "sd_generic" "log.conf"
DefaultModule log
DefaultLanguage "en"
CONF
cat > "$tmp/sd/modules/log.conf" <<CONF
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' >> $log"
AddVoice "en" "MALE1" "en"
CONF
speech-dispatcher -s -t 0 -C "$tmp/sd" -c unix_socket -S "$tmp/speechd.sock" \
  -m /usr/lib/speech-dispatcher-modules >/dev/null 2>&1 & pids+=($!)
export SPEECHD_ADDRESS="unix_socket:$tmp/speechd.sock"

start_desktop
orca --debug-file="$tmp/orca.out" -u "$tmp/orca" >/dev/null 2>&1 & pids+=($!)

failed=0
check() { if eval "$2"; then echo "ok    $1"; else echo "FAIL  $1"; failed=1; fi; }
# Waits up to $2 seconds for Orca to have said something matching $1 since mark.
mark=0
said() { # pattern, seconds
  local end=$(( SECONDS + ${2:-20} ))
  while (( SECONDS < end )); do
    tail -n +"$((mark + 1))" "$log" | grep -qE "$1" && return 0
    sleep 0.3
  done
  return 1
}
remember() { mark=$(wc -l < "$log"); }
find_window() { # name, width
  for _ in $(seq 100); do visible_window "$1" "$2" && return 0; sleep 0.1; done
  return 1
}
tree_check() { # what
  local out
  out="$(/usr/bin/python3 scripts/atspi_tree.py check 2>&1)" && check "$1" true || {
    check "$1" false; echo "$out" | grep FAIL | sed 's/^/      /'; }
}

check "Orca speaks" "said 'Screen reader on' 60"
(cd "$build" && QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb exec ./app/tarvana \
  >/dev/null 2>&1) & pids+=($!)
menu=$(find_window "Tarvana - Mervoss" 292)
xdotool windowactivate --sync "$menu"
check "the main menu is read out" "said 'Start hry push button' 30"
tree_check "main menu: every control named, with a role"

remember; xdotool key alt+n
find_window "Tarvana - Nastaveni" 544 >/dev/null
check "the settings are read out" "said 'Nastaveni' 20"
tree_check "settings: every control named, with a role"
xdotool key Escape; sleep 1

remember; xdotool key alt+o
check "the about box is read out" "said 'O programu|Tarvana' 20"
sleep 1; tree_check "about box: every control named, with a role"
xdotool key Escape; sleep 1; xdotool windowactivate --sync "$menu"

# A game against the computer, started with Enter.
remember; xdotool key Return
field=$(find_window "Tarvana - Mervoss" 784)
check "the first turn is told with the fire button" "said 'Na tahu: Hrac 1' 30"
sleep 1
tree_check "battlefield: controls named, bars take the focus, values as the labels show"
/usr/bin/python3 scripts/atspi_tree.py tree "Tarvana - Mervoss" > "${ATSPI_TREE:-/dev/null}" 2>&1 || true

remember; xdotool key Tab Tab
check "Tab reaches player 1's angle bar" "said 'Uhel hrace 1' 15"
remember; xdotool key Up
check "the angle bar says the angle its label shows" "said '^4[46]\\.?\$' 15"

remember; xdotool key Return
check "the shot is announced" "said 'Strili Hrac 1' 30"
check "where it came down is announced" "said 'Dopad|Zasah|Mimo' 60"
check "the computer's turn is announced" "said 'Na tahu: Hrac 2' 60"
check "the computer's shot is announced" "said 'Strili Hrac 2' 60"
check "the turn comes back with the fire button" "said 'PAL push button' 60"
check "the turn tells where player 1's shell came down" "said 'Posledni strela' 30"

remember; xdotool key alt+o
find_window "Tarvana - Obchod" 489 >/dev/null
check "the shop's buy buttons name goods and price" "said 'Koupit .* za [0-9]+ kreditu' 30"
tree_check "shop: every control named, with a role"
remember; xdotool key space
check "a purchase is heard with the new count and credits" "said 'mate [0-9]+\\. *\$|Kredit [0-9]+' 30"
xdotool key Escape
check "the fire button has the focus after the shop" "said 'PAL push button' 30"

echo "      Orca said: $(grep -c . "$log") lines (scripts/screen-reader-check.sh, SPEECH_LOG=file keeps them)"
exit $failed
