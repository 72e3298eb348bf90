#!/usr/bin/env bash
# Two builds' animation costs side by side: the scene benchmark of each build run in turns on
# one virtual X server, several rounds, with the median of each figure and the ratio of the
# second build's median to the first's. One run of the scene benchmark is too short to trust
# alone: a busy neighbour or a cold cache moves a single figure by a third.
# Usage: bench/scenes_compare.sh <first build dir> <second build dir> [rounds] [ticks] [live seconds]
# Each build dir must hold scene_paint and the data files beside it (as a build of the game does).
set -euo pipefail
first="${1:?first build dir}"
second="${2:?second build dir}"
rounds="${3:-7}"
ticks="${4:-300}"
live="${5:-2}"
for b in "$first" "$second"; do
  [ -x "$b/scene_paint" ] || { echo "scenes_compare.sh: no scene_paint in $b" >&2; exit 1; }
done
. "$(cd "$(dirname "$0")" && pwd)/virtual_display.sh"
start_virtual_display
# In the run's own folder, which the display's EXIT trap removes.
results="$XDG_RUNTIME_DIR/results"

for _ in $(seq "$rounds"); do
  for which in first second; do
    build="$first"; [ "$which" = second ] && build="$second"
    # gamewon_late: the game-won scene with its shells' timer switched on half a tick after the
    # banners'; it runs live only.
    for scene in map fireworks gamewon gamewon_late; do
      "$build/scene_paint" "$scene" "$ticks" "$live" |
        awk -v who="$which" -v scene="$scene" '
          / by hand: / { for (i = 1; i < NF; ++i) if ($(i + 1) == "us" && $(i + 2) == "CPU/tick") print who, scene, "hand", $i }
          / live: /    { for (i = 1; i < NF; ++i) if ($(i + 1) == "us" && $(i + 2) == "CPU/tick") print who, scene, "live", $i }'
    done
  done
done >"$results"

printf '%-12s %-5s %12s %12s %7s   (us of CPU a tick, medians of %s rounds)\n' scene "run" first second ratio "$rounds"
awk '
  function median(key,   n, i, j, t, v) {
    n = count[key]
    for (i = 1; i <= n; ++i) v[i] = val[key, i]
    for (i = 2; i <= n; ++i) { t = v[i]; for (j = i - 1; j >= 1 && v[j] > t; --j) v[j + 1] = v[j]; v[j + 1] = t }
    return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
  }
  { key = $1 SUBSEP $2 SUBSEP $3; val[key, ++count[key]] = $4; seen[$2 SUBSEP $3] = 1; order[++rows] = $2 SUBSEP $3 }
  END {
    for (r = 1; r <= rows; ++r) {
      k = order[r]; if (done[k]++) continue
      split(k, part, SUBSEP)
      a = median("first" SUBSEP k); b = median("second" SUBSEP k)
      printf "%-12s %-5s %12.1f %12.1f %7.3f\n", part[1], part[2], a, b, (a > 0 ? b / a : 0)
    }
  }' "$results"
