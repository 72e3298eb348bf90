#!/usr/bin/env bash
# The layer check on small made-up trees: it passes what the layers allow and names what they
# do not, so a check that has gone blind fails here rather than letting an upward include in.
set -euo pipefail
check="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# tree NAME FILE:TEXT...  makes a tree holding each file with its text (\n starts a new line).
tree() {
  local dir="$scratch/$1"; shift
  mkdir -p "$dir"/{platform,core,pictures,ui,modes,app}
  for entry in "$@"; do printf '%b\n' "${entry#*:}" > "$dir/${entry%%:*}"; done
  echo "$dir"
}
# expect pass DIR, or expect fail DIR FILE:LINE: the check refuses the tree and names the line.
expect() {
  local want="$1" dir="$2" where="${3:-}" got=0
  "$check" "$dir" > "$dir.out" 2>&1 || got=$?
  if [ "$want" = pass ] && [ "$got" -ne 0 ]; then echo "refused a legal tree: $(cat "$dir.out")"; exit 1; fi
  if [ "$want" = fail ] && [ "$got" -eq 0 ]; then echo "let through: $dir"; exit 1; fi
  if [ "$want" = fail ] && ! awk -v w="$where: " 'index($0, w) == 1 { found = 1 } END { exit !found }' "$dir.out"; then
    echo "refused $dir without naming $where: $(cat "$dir.out")"; exit 1
  fi
  return 0
}

expect pass "$(tree legal 'core/a.cpp:#include "platform/x.h"' 'pictures/b.cpp:#include "core/a.h"' \
  'modes/c.cpp:#include "ui/mainform.h"' 'ui/input.cpp:#include "modes/dice.h"' \
  'ui/menu.cpp:#include <modes/linear.h>\n#include <sys/stat.h>\n#include <QtCore/QString>')"
expect fail "$(tree core_up 'core/a.cpp:#include "ui/mainform.h"')" core/a.cpp:1
expect fail "$(tree pictures_up 'pictures/b.h:#pragma once\n  #  include "modes/linear.h"')" pictures/b.h:2
expect fail "$(tree core_to_pictures 'core/a.cpp:#include "pictures/shapes.h"')" core/a.cpp:1
expect fail "$(tree platform_up 'platform/p.cpp:#include "core/grid.h"')" platform/p.cpp:1
expect fail "$(tree relative 'core/a.cpp:#include "platform/x.h"\n#include "../ui/mainform.h"')" core/a.cpp:2
# The screens call the modes only at their meeting points.
expect fail "$(tree ui_elsewhere 'ui/side_panel.cpp:#include "modes/dice.h"')" ui/side_panel.cpp:1
# Angle brackets search the same include folders, so they are held to the same table.
expect fail "$(tree angle_up 'core/a.cpp:#include <platform/x.h>\n#include<ui/mainform.h>')" core/a.cpp:2
expect fail "$(tree angle_elsewhere 'ui/side_panel.cpp:#include <sys/stat.h>\n# include <.//modes/pawn.h>')" \
  ui/side_panel.cpp:2
expect fail "$(tree angle_relative 'pictures/b.cpp:#include <../modes/linear.h>')" pictures/b.cpp:1
# An include the check cannot read is refused, not passed unread.
expect fail "$(tree unread 'ui/side_panel.cpp:#include "core/grid.h"\n#include /**/ <modes/pawn.h>')" ui/side_panel.cpp:2
expect fail "$(tree macro 'ui/side_panel.cpp:#define PAWN <modes/pawn.h>\n#include PAWN')" ui/side_panel.cpp:2
echo "layer check holds"
