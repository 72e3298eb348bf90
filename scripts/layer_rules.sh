# Which folder may use which, read by every layer check (sourced, not run): the include check
# before the build, the one after each compile, and the one over the built objects. One table,
# so the three cannot drift apart.

# The folders each folder may include or use besides its own, bottom to top.
declare -A may=(
  [platform]=""
  [core]="platform"
  [pictures]="platform core"
  [ui]="platform core pictures"
  [modes]="platform core pictures ui"
  [app]="platform core pictures ui modes"
)
# The screens' files that call into the modes: input dispatch, the transition's pane words, the
# menus that start a game, the window's event wiring, what it lends the round engine, and the
# game-won scene with its fireworks, where the pawn jumps.
meeting="ui/input.cpp ui/transition.cpp ui/menu.cpp ui/mainform.cpp ui/engine_links.cpp ui/scenes.cpp ui/fireworks.cpp"

# may_use FILE USED: whether FILE (folder/name, from the top folder) may use the folder USED.
may_use() {
  local folder="${1%%/*}"
  [ "$folder" = "$2" ] && return 0
  [[ " ${may[$folder]-} " == *" $2 "* ]] && return 0
  [ "$folder" = ui ] && [ "$2" = modes ] && [[ " $meeting " == *" $1 "* ]]
}
