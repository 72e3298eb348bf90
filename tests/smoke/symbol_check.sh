#!/usr/bin/env bash
# The check of the built code on tiny made-up layers: the lower ones archives, the game objects in
# ui/ and modes/ as the build passes them. It passes what the layers allow, the same template
# instance emitted in two layers among them, and names each way a lower layer can call up without
# an include, so a check that has gone blind fails here.
set -euo pipefail
check="$1"
cxx="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
mkdir platform core pictures ui modes

# unit FILE TEXT: compiles TEXT as FILE into FILE.o.
unit() { printf '%s\n' "$2" > "$1" && "$cxx" -c "$1" -o "$1.o"; }
# The legal layers. Platform uses a template instance it leaves to others (extern template, as
# the standard library does for strings), which the modes emit too, weakly: not a use of theirs.
tw='template <class T> int tw(T) { return 3; }'
unit platform/p.cpp "namespace platform { int base() { return 1; } } $tw extern template int tw<int>(int);
                     int platform_tw() { return tw(1); }"
unit core/c.cpp 'namespace platform { int base(); }
                 namespace core { namespace ui { int own() { return platform::base(); } } int tick() { return ui::own(); } }'
unit pictures/s.cpp 'namespace pictures { int shade() { return 4; } }'
unit ui/side_panel.cpp 'namespace ui { int draw() { return 5; } } extern "C" int ui_hook() { return 6; }'
unit ui/input.cpp 'namespace modes { int walk(); } namespace ui { int key() { return modes::walk(); } }'
unit modes/walk.cpp "namespace ui { int draw(); } namespace modes { int walk() { return ui::draw(); } }
                     $tw template int tw<int>(int);"
for layer in platform core pictures; do ar rcs "$layer.a" "$layer"/*.o; done
legal="platform $PWD/platform.a
core $PWD/core.a
pictures $PWD/pictures.a
game $PWD/ui/side_panel.cpp.o
game $PWD/ui/input.cpp.o
game $PWD/modes/walk.cpp.o"

# expect pass|fail "LAYER FILE" [MESSAGE]: the legal layers with one file more.
expect() {
  local got=0
  printf '%s\n%s\n' "$legal" "$2" > list
  "$check" list > out 2>&1 || got=$?
  if [ "$1" = pass ] && [ "$got" -ne 0 ]; then echo "refused legal layers: $(cat out)"; exit 1; fi
  if [ "$1" = fail ] && [ "$got" -eq 0 ]; then echo "let through $2"; exit 1; fi
  if [ "$1" = fail ] && ! grep -qxF "$3" out; then echo "refused $2 without saying \"$3\": $(cat out)"; exit 1; fi
  return 0
}
expect pass ""
unit core/hook.cpp 'extern "C" int ui_hook(); int core_hook() { return ui_hook(); }'
expect fail "core $PWD/core/hook.cpp.o" \
  "core/hook.cpp.o: core may not use ui_hook, which ui/side_panel.cpp.o in game defines"
unit platform/up.cpp 'namespace core { int tick(); } int platform_up() { return core::tick(); }'
ar rcs up.a platform/up.cpp.o
expect fail "platform $PWD/up.a" "up.a(up.cpp.o): platform may not use core::tick(), which core.a(c.cpp.o) in core defines"
unit ui/scenery.cpp 'namespace modes { int walk(); } int scenery() { return modes::walk(); }'
expect fail "game $PWD/ui/scenery.cpp.o" \
  "ui/scenery.cpp.o: ui/ off the meeting points may not use modes::walk(), which modes/walk.cpp.o defines"
# An upper type declared below and passed around uses no symbol of the layer above.
unit core/lend.cpp 'namespace ui { struct Form; } namespace core { void lend(ui::Form*) {} }'
expect fail "core $PWD/core/lend.cpp.o" "core/lend.cpp.o: core may not name ui:: (defines core::lend(ui::Form*))"
echo "symbol check holds"
