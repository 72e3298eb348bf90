#!/usr/bin/env bash
# Starts the real program in a virtual X server, checks its window, asks to close it and
# answers the exit question.
set -euo pipefail
program="$1"
wm_close="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

cat > "$scratch/inner.sh" <<'INNER'
#!/usr/bin/env bash
set -euo pipefail
program="$1"; wm_close="$2"
unset QT_QPA_PLATFORM
"$program" &
pid=$!
fail() { echo "smoke: $*" >&2; kill "$pid" 2>/dev/null || true; exit 1; }

win=""
for _ in $(seq 1 100); do
  win="$(xdotool search --name '^Quorvel Infinite$' 2>/dev/null | head -n 1 || true)"
  [ -n "$win" ] && break
  kill -0 "$pid" 2>/dev/null || fail "the program ended before showing its window"
  sleep 0.1
done
[ -n "$win" ] || fail "no window titled 'Quorvel Infinite'"

geometry="$(xdotool getwindowgeometry "$win" | awk '/Geometry/ {print $2}')"
echo "window $win geometry $geometry"
[ "$geometry" = "569x421" ] || fail "unexpected window size $geometry"

# The close box asks first; the answer Yes leaves the program.
"$wm_close" "$win"
question=""
for _ in $(seq 1 50); do
  question="$(xdotool search --name '^Exit Game$' 2>/dev/null | head -n 1 || true)"
  [ -n "$question" ] && break
  sleep 0.1
done
[ -n "$question" ] || fail "no exit question after the close request"
xdotool windowfocus --sync "$question" 2>/dev/null || true
xdotool key --clearmodifiers Return

for _ in $(seq 1 50); do
  kill -0 "$pid" 2>/dev/null || { wait "$pid" || true; echo "program ended"; exit 0; }
  sleep 0.1
done
fail "the program did not end after Yes"
INNER
chmod +x "$scratch/inner.sh"

export XDG_CONFIG_HOME="$scratch/config"
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
exec xvfb-run -a -s "-screen 0 1024x768x24" "$scratch/inner.sh" "$program" "$wm_close"
