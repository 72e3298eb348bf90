#!/usr/bin/env bash
# Animation benchmark: pixels repainted and CPU per tick of the Story map (pawn bouncing), the
# fireworks show and the game-won scene (also with its two timers started apart), in a virtual
# X server of its own (one that does not reset, so the server's CPU can be read beside the
# program's). The window is saved after the ticks fired by hand when a screenshot folder is
# given; a saved window that differs from a full repaint stops the run with a failure.
# Usage: bench/scenes.sh [build dir] [ticks] [live seconds] [screenshot folder]
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$top/build}"
ticks="${2:-300}"
live="${3:-4}"
shots="${4:-}"
cmake --build "$build" --target scene_paint >/dev/null
. "$top/bench/virtual_display.sh"
start_virtual_display
[ -z "$shots" ] || mkdir -p "$shots"
for scene in map fireworks gamewon; do
  "$build/scene_paint" "$scene" "$ticks" "$live" "${shots:+$shots/$scene.png}"
done
# The game-won scene again, its shells' timer switched on half a tick after the banners': it
# joins their shared tick all the same, and the scene should cost what it costs above. Live only.
"$build/scene_paint" gamewon_late "$ticks" "$live"
