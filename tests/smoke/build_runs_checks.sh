#!/usr/bin/env bash
# The layer checks only hold if the build runs them: every compile of a layer's source through
# check_compiled_includes, the text pass before, and check_library_symbols just before the program
# links. Each check passes its own tests whether the build calls it or not, so this reads the
# configured build's own commands for the program and fails when one of them is no longer there.
set -euo pipefail
ninja="$1" build="$2" top="$3" program="$4"
. "$top/scripts/layer_rules.sh"
commands="$("$ninja" -C "$build" -t commands "$program")"

for folder in "${folders[@]}"; do
  launcher="$top/scripts/check_compiled_includes $top ${layer_of[$folder]} "
  compiles=0
  while IFS= read -r line; do
    [[ "$line" == "$launcher"* ]] || { echo "compiled without $launcher: $line"; exit 1; }
    compiles=$((compiles + 1))
  done < <(grep -F -- " -c $top/$folder/" <<< "$commands" || true)
  [ "$compiles" -gt 0 ] || { echo "the program's build compiles nothing of $folder/"; exit 1; }
done
grep -qF -- "$top/scripts/check_layers $top" <<< "$commands" || { echo "the build never runs check_layers"; exit 1; }
grep -E -- " -o $program( |\$)" <<< "$commands" | grep -qF -- "$top/scripts/check_library_symbols " ||
  { echo "$program links without check_library_symbols"; exit 1; }
echo "the build runs the layer checks"
