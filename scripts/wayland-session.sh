# Sourced by the scripts that run the game under a Wayland compositor: weston's headless
# backend, which needs no display or GPU. The caller ends it with stop_weston.
#
# weston runs with its pixman renderer. Its default on the headless backend renders
# nothing and keeps each buffer until its next frame, so every immediate repaint of a
# flight would wait a frame (about 4 ms a step); a compositor that draws hands buffers
# back at once.

# Starts weston on a private runtime folder and waits for its socket.
start_weston() {
  weston_runtime="$(mktemp -d)"; chmod 700 "$weston_runtime"
  XDG_RUNTIME_DIR="$weston_runtime" weston --backend=headless-backend.so --use-pixman \
    --socket=tarvana --width=1280 --height=1024 >/dev/null 2>&1 & weston_pid=$!
  for _ in $(seq 50); do [ -S "$weston_runtime/tarvana" ] && break; sleep 0.1; done
}

# Runs a command as a client of that weston, through Qt's Wayland plugin.
wayland() { XDG_RUNTIME_DIR="$weston_runtime" WAYLAND_DISPLAY=tarvana QT_QPA_PLATFORM=wayland "$@"; }

stop_weston() {
  kill "${weston_pid:-}" 2>/dev/null || true
  rm -rf "${weston_runtime:-}"
}
