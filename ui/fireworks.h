// The fireworks show over the golden castle.
#pragma once

namespace ui {

void setup_fireworks();
void fireworks_step2();

}  // namespace ui
