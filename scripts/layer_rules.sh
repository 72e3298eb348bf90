# Reads the table of layers (layers.txt at the top of the tree) for the layer checks, sourced,
# not run: the include check before the build, the one after each compile, and the one over the
# built objects. The table is the only place the layers are written.
#
# Sets: folders (bottom to top), layers (bottom to top), layer_of[FOLDER], namespace_of[FOLDER]
# (empty for none), meeting (the meeting points, space-separated), and may_use below.
layer_table="$(dirname "${BASH_SOURCE[0]}")/../layers.txt"
folders=() layers=() meeting=""
declare -A layer_of=() namespace_of=() folder_rank=()
while read -r first second _ fourth _; do
  case "$first" in
    '' | '#'*) ;;
    meeting) meeting+="${meeting:+ }$second" ;;
    *)
      [ -n "$fourth" ] || { echo "$layer_table: \"$first\" wants a layer, a library and a namespace" >&2; exit 2; }
      folder_rank[$first]=${#folders[@]}
      folders+=("$first")
      layer_of[$first]="$second"
      [ "$fourth" = - ] || namespace_of[$first]="$fourth"
      if [ ${#layers[@]} -eq 0 ] || [ "${layers[-1]}" != "$second" ]; then
        # A layer's folders are one library, so they stand together.
        [[ " ${layers[*]} " != *" $second "* ]] || { echo "$layer_table: the folders of $second are apart" >&2; exit 2; }
        layers+=("$second")
      fi
      ;;
  esac
done < "$layer_table"
[ ${#folders[@]} -gt 0 ] || { echo "$layer_table: no layers read" >&2; exit 2; }

# may_use FILE USED: whether FILE (folder/name, from the top folder) may use the folder USED: its
# own folder and those below it, and at a meeting point the folders above it in its own layer.
may_use() {
  local folder="${1%%/*}"
  [ -n "${folder_rank[$folder]+set}" ] && [ -n "${folder_rank[$2]+set}" ] || return 1
  [ "${folder_rank[$2]}" -le "${folder_rank[$folder]}" ] && return 0
  [ "${layer_of[$2]}" = "${layer_of[$folder]}" ] && [[ " $meeting " == *" $1 "* ]]
}
