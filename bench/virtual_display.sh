# Sourced by the animation benchmarks: gives the run a runtime folder of its own
# (XDG_RUNTIME_DIR, where a caller may keep its scratch files too) and a virtual X server of its
# own, one that does not reset between programs, and points DISPLAY and X_SERVER_PID at it. It
# sets the EXIT trap that stops the server and removes the folder; a caller sets no trap of its own.
start_virtual_display() {
  XDG_RUNTIME_DIR="$(mktemp -d)"
  export XDG_RUNTIME_DIR
  chmod 700 "$XDG_RUNTIME_DIR"
  trap 'kill "${X_SERVER_PID:-}" 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT
  local display="" n
  for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=$n; break; fi
  done
  [ -n "$display" ] || { echo "$(basename "$0"): no free display number" >&2; exit 1; }
  Xvfb ":$display" -noreset -nolisten tcp -screen 0 1280x1024x24 >/dev/null 2>&1 &
  export X_SERVER_PID=$!
  # Up to five seconds for the socket; a server that has already died will not make one.
  for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$display" ] && break
    kill -0 "$X_SERVER_PID" 2>/dev/null || break
    sleep 0.05
  done
  if [ ! -e "/tmp/.X11-unix/X$display" ]; then
    echo "$(basename "$0"): Xvfb did not start on :$display (no /tmp/.X11-unix/X$display)" >&2
    exit 1
  fi
  export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
}
