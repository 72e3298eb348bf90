#!/usr/bin/env bash
# Start-up benchmark: the title screen's first full paint against a bare Qt window's, in a
# virtual X server unless a display is already there. Usage: bench/startup.sh [build dir] [rounds]
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$top/build}"
rounds="${2:-21}"
cmake --build "$build" --target startup_probe startup_bare >/dev/null
export XDG_RUNTIME_DIR="$(mktemp -d)"
chmod 700 "$XDG_RUNTIME_DIR"
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
if [ -n "${DISPLAY:-}" ]; then
  "$build/startup_probe" "$rounds"
else
  xvfb-run -a -s "-screen 0 1024x768x24" "$build/startup_probe" "$rounds"
fi
