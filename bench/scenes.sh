#!/usr/bin/env bash
# Animation benchmark: pixels repainted and CPU per tick of the Story map (pawn bouncing), the
# fireworks show and the game-won scene, in a virtual X server of its own (one that does not
# reset, so the server's CPU can be read beside the program's). The window is saved after the
# ticks fired by hand when a screenshot folder is given.
# Usage: bench/scenes.sh [build dir] [ticks] [live seconds] [screenshot folder]
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$top/build}"
ticks="${2:-300}"
live="${3:-4}"
shots="${4:-}"
cmake --build "$build" --target scene_paint >/dev/null
export XDG_RUNTIME_DIR="$(mktemp -d)"
chmod 700 "$XDG_RUNTIME_DIR"
trap 'kill "${X_SERVER_PID:-}" 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT
. "$top/bench/virtual_display.sh"
start_virtual_display
[ -z "$shots" ] || mkdir -p "$shots"
for scene in map fireworks gamewon; do
  "$build/scene_paint" "$scene" "$ticks" "$live" "${shots:+$shots/$scene.png}"
done
# The game-won scene again with its two clocks half a tick apart, as they drift in a long scene.
"$build/scene_paint" gamewon 1 "$live" - 8 | grep live
