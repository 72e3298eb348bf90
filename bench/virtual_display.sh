# Sourced by the animation benchmarks: starts a virtual X server of their own, one that does not
# reset between programs, and points DISPLAY and X_SERVER_PID at it. The caller's EXIT trap
# stops it: kill "$X_SERVER_PID".
start_virtual_display() {
  local display="" n
  for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=$n; break; fi
  done
  [ -n "$display" ] || { echo "$(basename "$0"): no free display number" >&2; exit 1; }
  Xvfb ":$display" -noreset -nolisten tcp -screen 0 1280x1024x24 >/dev/null 2>&1 &
  export X_SERVER_PID=$!
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.05; done
  export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
}
