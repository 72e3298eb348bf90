#!/usr/bin/env bash
# Plays the end of a story in a real window: from a won castle round through the Hall of Fame
# entry and the six ending pages to the title screen, then opens the fireworks show from the
# golden castle, changes its count, colour and height, and goes back with "menu".
# SHOT_DIR=folder keeps a screenshot of every page and of the show.
set -euo pipefail
program="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

cat > "$scratch/inner.sh" <<'INNER'
#!/usr/bin/env bash
set -euo pipefail
program="$1"; log="$2"
unset QT_QPA_PLATFORM
"$program" > "$log" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
fail() { echo "ending: $*" >&2; echo "--- what the game reported:" >&2; tail -n 15 "$log" >&2; exit 1; }

# Waits until a report after the mark matches the pattern.
mark=0
set_mark() { mark="$(wc -l < "$log")"; }
wait_for() {
  for _ in $(seq 1 150); do
    tail -n +"$((mark + 1))" "$log" | grep -qE "$1" && return 0
    kill -0 "$pid" 2>/dev/null || fail "the program ended while waiting for: $1"
    sleep 0.1
  done
  fail "no report matching: $1"
}
find_window() {
  local w=""
  for _ in $(seq 1 100); do
    w="$(xdotool search --name "^$1\$" 2>/dev/null | head -n 1 || true)"
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.1
  done
  return 1
}
shot() { if [ -n "${SHOT_DIR:-}" ]; then import -window root "$SHOT_DIR/$1.png"; fi; }
# Clicks at a point of the main window's client area.
click() { xdotool mousemove --window "$win" "$1" "$2" click 1; }

win="$(find_window 'Quorvel Infinite')" || fail "no main window"

# The castle round is won: the story is counted, then the Hall of Fame asks for a name.
wait_for "state gamewon page 1 .* won 1 "
entry="$(find_window 'Congratulations!')" || fail "no name entry"
xdotool windowfocus --sync "$entry" 2>/dev/null || true
xdotool type --delay 20 "Tester"
xdotool mousemove --window "$entry" 300 167 click 1
hof="$(find_window 'Hall of Fame')" || fail "no Hall of Fame after the name entry"
sleep 0.3
shot hall_of_fame
xdotool windowfocus --sync "$hof" 2>/dev/null || true
xdotool key Escape
wait_for "fw on"
sleep 1
shot page1

# ">>" on the ending panel turns the pages; the press on page 6 returns to the title screen.
for page in 2 3 4 5 6; do
  set_mark
  click 427 384
  wait_for "state gamewon page $page "
  sleep 0.8
  shot "page$page"
done
set_mark
click 427 384
wait_for "state mainmenu .* won 1 castle 10 "
sleep 0.5
shot title_golden

# The golden castle opens the show.
set_mark
click 237 167
wait_for "state playfirework .* fw on"
sleep 0.3
shot fireworks_start
set_mark
click 386 384
wait_for "count 12 "
set_mark
xdotool mousemove --window "$win" 200 383 mousedown 1 mousemove --window "$win" 240 384 sleep 0.2 mouseup 1
wait_for "colour picked"
set_mark
xdotool mousemove --window "$win" 347 107 mousedown 1
wait_for "hmax 220 "
sleep 0.3
shot fireworks_guide
xdotool mouseup 1
sleep 1.5
shot fireworks
set_mark
click 432 384
wait_for "state mainmenu .* fw off"
echo "ending and fireworks played"
INNER
chmod +x "$scratch/inner.sh"

export XDG_CONFIG_HOME="$scratch/config"
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
xvfb-run -a -s "-screen 0 1024x768x24" "$scratch/inner.sh" "$program" "$scratch/report.log"
