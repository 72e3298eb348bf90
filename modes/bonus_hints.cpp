// The bonus chooser after a won secret round, the hint icon, and the secret marks.
#include "modes/bonus_hints.h"

namespace modes {

// Not built yet: Story mode comes later.
void apply_bonus(int) {}
void use_hint() {}
void show_secret_marks() {}

}  // namespace modes
