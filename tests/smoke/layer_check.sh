#!/usr/bin/env bash
# The layer checks on small made-up trees: the text pass, and the check of the headers a compile
# opened, on made-up dependency files. Each passes what the layers allow and names what they do
# not, so a check that has gone blind fails here rather than letting an upward include in.
set -euo pipefail
check="$1"
compiled="$(realpath "$2")"
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

# The compiled check. A made-up tree whose build folder links the layers' include folders into
# it, as the build does, and a stand-in for the compiler that leaves the dependency file as made.
top="$(tree compiled 'core/grid.h:' 'core/grid.cpp:' 'ui/menu.h:' 'ui/input.cpp:' 'ui/side_panel.cpp:' \
  'modes/pawn.h:' 'pictures/shapes.h:')"
mkdir -p "$top/build/layers/game" "$top/build/moc"
ln -s "$top/ui" "$top/modes" "$top/build/layers/game/"
# opened WANT SOURCE LAYER HEADER... [-- MESSAGE]: the compile of SOURCE (from the build
# folder) opened the headers; the check passes it, or refuses it naming MESSAGE and removes the
# object so that the next build compiles it again.
opened() {
  local want="$1" source="$2" layer="$3" got=0; shift 3
  local headers=() message=""
  while [ $# -gt 0 ] && [ "$1" != -- ]; do headers+=("$1"); shift; done
  [ $# -eq 0 ] || message="$2"
  (cd "$top/build" && printf 'x.o: %s \\\n %s\n' "$source" "${headers[*]}" > x.d && touch x.o &&
   "$compiled" "$top" "$layer" true -MD -MT x.o -MF x.d -o x.o -c "$source") > "$top.out" 2>&1 || got=$?
  if [ "$want" = pass ] && [ "$got" -ne 0 ]; then echo "refused $source: $(cat "$top.out")"; exit 1; fi
  if [ "$want" = fail ] && [ "$got" -eq 0 ]; then echo "let $source open ${headers[*]}"; exit 1; fi
  if [ "$want" = fail ] && ! grep -qxF "$message" "$top.out"; then
    echo "refused $source without saying \"$message\": $(cat "$top.out")"; exit 1
  fi
  if [ "$want" = fail ] && [ -e "$top/build/x.o" ]; then echo "left the refused object of $source"; exit 1; fi
  return 0
}
opened pass ../ui/input.cpp game layers/game/modes/pawn.h ../core/grid.h /usr/include/stdio.h moc/ui_menu.h
# The links lead into modes/ off the meeting points; "../ui/menu.h" from core/ climbs into ui/.
opened fail ../ui/side_panel.cpp game layers/game/modes/pawn.h \
  -- "ui/side_panel.cpp: ui/ may not include from modes/ (opened modes/pawn.h)"
opened fail ../core/grid.cpp core ../core/grid.h ../core/../ui/menu.h \
  -- "core/grid.cpp: core/ may not include from ui/ (opened ui/menu.h)"
# A generated source is held to its library's layer.
opened fail moc/mocs.cpp core ../core/grid.h ../pictures/shapes.h \
  -- "moc/mocs.cpp: core/ may not include from pictures/ (opened pictures/shapes.h)"
echo "layer checks hold"
