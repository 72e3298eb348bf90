// Landing on squares: rounds, secrets, the castle, and what follows a round on the map.
#include "modes/landing.h"

namespace modes {

// Not built yet: Story mode comes later.
void after_round() {}

}  // namespace modes
