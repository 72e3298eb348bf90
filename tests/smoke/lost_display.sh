#!/usr/bin/env bash
# Ends the X server under the running program while a side window or a message box is open:
# the toolkit then ends the program itself, which must happen without a crash.
set -euo pipefail
program="$1"
scratch="$(mktemp -d)"
xvfb_pid=""
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
# A sanitizer finding must not pass for the toolkit's own exit status.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}exitcode=86:detect_leaks=0"

fail() { echo "lost display: $*" >&2; exit 1; }

# window title to wait for, then the point in the main window that opens it
for step in "About this Game|363|228" "Hall of Fame|363|300" "Exit Game|440|375"; do
  IFS='|' read -r title x y <<<"$step"
  exec 3>"$scratch/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  exec 3>&-
  for _ in $(seq 1 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(cat "$scratch/display")"
  "$program" >"$scratch/out" 2>&1 &
  pid=$!
  win=""
  for _ in $(seq 1 100); do
    win="$(xdotool search --name '^Quorvel Infinite$' 2>/dev/null | head -n 1 || true)"
    [ -n "$win" ] && break
    sleep 0.1
  done
  [ -n "$win" ] || fail "no game window"
  sleep 0.5
  xdotool mousemove --window "$win" "$x" "$y" click 1
  opened=""
  for _ in $(seq 1 50); do
    opened="$(xdotool search --name "^$title\$" 2>/dev/null | head -n 1 || true)"
    [ -n "$opened" ] && break
    sleep 0.1
  done
  [ -n "$opened" ] || fail "'$title' did not open"
  kill "$xvfb_pid"
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=""
  rm -f "$scratch/display"
  status=0
  wait "$pid" || status=$?
  if [ "$status" -ge 128 ] || [ "$status" -eq 86 ] || grep -Eq "AddressSanitizer|free\(\)|corruption|Segmentation" "$scratch/out"; then
    cat "$scratch/out" >&2
    fail "'$title' open: the program crashed (status $status)"
  fi
  echo "'$title' open: ended with status $status"
done
