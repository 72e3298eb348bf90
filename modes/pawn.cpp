// The pawn on the Story map.
#include "modes/pawn.h"

namespace modes {

// No pawn is drawn yet: Story mode is not built.
void draw_pawn(int, int) {}
void hide_pawn() {}

}  // namespace modes
