#!/usr/bin/env bash
# The layer check on small made-up trees: it passes what the layers allow and names what they
# do not, so a check that has gone blind fails here rather than letting an upward include in.
set -euo pipefail
check="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# tree NAME FILE:LINE...  makes a tree holding each file with one line of its own.
tree() {
  local dir="$scratch/$1"; shift
  mkdir -p "$dir"/{platform,core,pictures,ui,modes,app}
  for entry in "$@"; do printf '%s\n' "${entry#*:}" > "$dir/${entry%%:*}"; done
  echo "$dir"
}
expect() {
  local want="$1" dir="$2" got=0
  "$check" "$dir" > "$dir.out" 2>&1 || got=$?
  if [ "$want" = pass ] && [ "$got" -ne 0 ]; then echo "refused a legal tree: $(cat "$dir.out")"; exit 1; fi
  if [ "$want" = fail ] && [ "$got" -eq 0 ]; then echo "let through: $dir"; exit 1; fi
  return 0
}

expect pass "$(tree legal 'core/a.cpp:#include "platform/x.h"' 'pictures/b.cpp:#include "core/a.h"' \
  'modes/c.cpp:#include "ui/mainform.h"' 'ui/input.cpp:#include "modes/dice.h"')"
expect fail "$(tree core_up 'core/a.cpp:#include "ui/mainform.h"')"
expect fail "$(tree pictures_up 'pictures/b.h:  #  include "modes/linear.h"')"
expect fail "$(tree core_to_pictures 'core/a.cpp:#include "pictures/shapes.h"')"
expect fail "$(tree platform_up 'platform/p.cpp:#include "core/grid.h"')"
expect fail "$(tree relative 'core/a.cpp:#include "../ui/mainform.h"')"
# The screens call the modes only at their meeting points.
expect fail "$(tree ui_elsewhere 'ui/side_panel.cpp:#include "modes/dice.h"')"
echo "layer check holds"
