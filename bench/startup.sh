#!/usr/bin/env bash
# Start-up benchmark: the title screen's window mapped and fully painted against a bare Qt
# window of the same size, launch by launch in turns, in one run.
# Usage: bench/startup.sh [build dir] [rounds]
#
# The launches run on a virtual X server started with -noreset, so that it stays as it is
# between launches: a server that resets when its last client leaves makes every launch wait
# for the reset, the bare window's too, and the ratio looks better than it is. With
# STARTUP_DISPLAY=:N the benchmark uses that display instead (it must not reset either: a
# desktop keeps its own clients connected).
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$top/build}"
rounds="${2:-31}"
cmake --build "$build" --target startup_probe startup_bare >/dev/null
export XDG_RUNTIME_DIR="$(mktemp -d)"
chmod 700 "$XDG_RUNTIME_DIR"
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
if [ -n "${STARTUP_DISPLAY:-}" ]; then
  DISPLAY="$STARTUP_DISPLAY" "$build/startup_probe" "$rounds"
else
  xvfb-run -a -s "-noreset -screen 0 1024x768x24" "$build/startup_probe" "$rounds"
fi
