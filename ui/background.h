// The window background: one of ten tiled schemes.
#pragma once

#include <cstdint>

namespace ui {

// Paints scheme bg (-1 picks one at random, written back).
void draw_bg(std::int16_t& bg);
// The scheme picture on the title screen: a new scheme at random each click.
void Img_changebg_Click();

}  // namespace ui
