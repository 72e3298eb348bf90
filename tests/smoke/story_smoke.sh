#!/usr/bin/env bash
# Plays a whole Story game in a real window under a virtual X server: from "Start Story Game"
# through the ten secrets, the castle and the ending pages to the title screen, then the
# fireworks show behind the golden castle and "menu" back. The program's scripted player says
# which input it wants; this script delivers each one as real pointer and key events.
# STORY_LOG=file keeps what the program reported.
set -euo pipefail
program="$1"
scratch="$(mktemp -d)"
trap '[ -n "${STORY_LOG:-}" ] && cp "$scratch/report.log" "$STORY_LOG"; rm -rf "$scratch"' EXIT

cat > "$scratch/inner.sh" <<'INNER'
#!/usr/bin/env bash
set -euo pipefail
program="$1"; log="$2"
unset QT_QPA_PLATFORM
fail() { echo "story: $*" >&2; echo "--- what the game reported last:" >&2; tail -n 15 "$log" >&2; exit 1; }

focus() { [ "$1" != 0 ] && xdotool windowfocus "$1" 2>/dev/null || true; }
deliver() {
  local what="$1"; shift
  case "$what" in
    click) xdotool mousemove "$1" "$2" click --delay 0 1 ;;
    dblclick) xdotool mousemove "$1" "$2" click --repeat 2 --delay 40 1 ;;
    press) xdotool mousemove "$1" "$2" mousedown 1 ;;
    release) xdotool mousemove "$1" "$2" mouseup 1 ;;
    drag) xdotool mousemove "$1" "$2" mousedown 1 mousemove $(( ($1 + $3) / 2 )) "$2" \
            mousemove "$3" "$4" mouseup 1 ;;
    wheel) if [ "$3" -gt 0 ]; then xdotool mousemove "$1" "$2" click --repeat "$3" --delay 20 5
           else xdotool mousemove "$1" "$2" click --repeat "$(( -$3 ))" --delay 20 4; fi ;;
    key) focus "$1"; xdotool key "$2" ;;
    type) focus "$1"; xdotool type --delay 15 "$2" ;;
    *) return 1 ;;
  esac
}

start=$SECONDS
exec 3< <("$program" 2>&1 | tee "$log")
inputs=0
while IFS= read -r -t 60 -u 3 line; do
  case "$line" in
    "do "*)
      read -r _ _ what a b c d _ <<< "$line"
      deliver "$what" "$a" "$b" "$c" "$d" || fail "could not deliver: $line"
      inputs=$((inputs + 1))
      ;;
    "done "*)
      echo "story played with $inputs inputs in $((SECONDS - start)) s: ${line#done }"
      case "$line" in
        *"state mainmenu mode 0 "*"stories 1 fw off count 12 colour picked hmax 220 castle 10") exit 0 ;;
        *) fail "the game did not end on the title screen, one story won and the show's settings changed" ;;
      esac
      ;;
    stuck*) fail "$line" ;;
  esac
done
fail "the program ended or fell silent before the game was over"
INNER
chmod +x "$scratch/inner.sh"

export XDG_CONFIG_HOME="$scratch/config"
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
xvfb-run -a -s "-screen 0 1024x768x24" "$scratch/inner.sh" "$program" "$scratch/report.log"
