// The three side panels that slide up from below the window.
#pragma once

namespace ui {

// direction 1 slides panel index in, 0 out.
void start_box_slide(int direction, int index);

}  // namespace ui
