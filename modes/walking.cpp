// Walking the pawn across the map, and the direction buttons.
#include "modes/walking.h"

#include "ui/mainform.h"

namespace modes {

void disable_arrows() {
    for (int i = 1; i <= 4; ++i) ui::mainform().bt_arrow[static_cast<std::size_t>(i)]->set_enabled(false);
}

// Not built yet: Story mode comes later.
void choose_path() {}

}  // namespace modes
