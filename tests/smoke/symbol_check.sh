#!/usr/bin/env bash
# The archive check on two made-up archives: it passes a lower layer's own names, a namespace of
# its own called ui among them, and names a screen's function that a lower layer calls, so a
# check that has gone blind fails here.
set -euo pipefail
check="$1"
cxx="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
printf '%s\n' 'namespace core { namespace ui { int own() { return 1; } } int f() { return ui::own(); } }' > own.cpp
printf '%s\n' 'namespace ui { void mainform(); } namespace core { void f() { ui::mainform(); } }' > up.cpp
for a in own up; do "$cxx" -c "$a.cpp" && ar rcs "$a.a" "$a.o"; done
"$check" own.a ui modes > out || { echo "refused a clean archive: $(cat out)"; exit 1; }
if "$check" up.a ui modes > out; then echo "let through a call of ui::mainform()"; exit 1; fi
grep -qF "uses ui::mainform()" out || { echo "refused without naming the symbol: $(cat out)"; exit 1; }
echo "symbol check holds"
