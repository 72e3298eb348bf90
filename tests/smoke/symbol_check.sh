#!/usr/bin/env bash
# The archive check on small made-up archives: it passes a lower layer's own names, a namespace
# of its own called ui among them, and names each symbol of the screens or the modes that an
# archive uses or defines, so a check that has gone blind fails here.
set -euo pipefail
check="$1"
cxx="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# archive NAME SOURCE  compiles the source into NAME.a and prints its path.
archive() {
  printf '%s\n' "$2" > "$scratch/$1.cpp"
  "$cxx" -c -o "$scratch/$1.o" "$scratch/$1.cpp"
  ar rcs "$scratch/$1.a" "$scratch/$1.o"
  echo "$scratch/$1.a"
}

own="$(archive own 'namespace core { namespace ui { int own() { return 1; } } int f() { return ui::own(); } }')"
"$check" "$own" ui modes > "$scratch/out" || { echo "refused a clean archive: $(cat "$scratch/out")"; exit 1; }
# SOURCE|WHAT THE REFUSAL MUST SAY
for case in 'namespace ui { void mainform(); } namespace core { void f() { ui::mainform(); } }|uses ui::mainform()' \
            'namespace modes { struct Pawn { virtual ~Pawn(); }; Pawn::~Pawn() {} }|defines vtable for modes::Pawn'; do
  bad="$(archive bad "${case%%|*}")"
  if "$check" "$bad" ui modes > "$scratch/out"; then echo "let through: ${case%%|*}"; exit 1; fi
  grep -qF "${case##*|}" "$scratch/out" || { echo "refused without naming it: $(cat "$scratch/out")"; exit 1; }
done
echo "symbol check holds"
