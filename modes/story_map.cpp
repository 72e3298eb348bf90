// The map of PuzzleLand and its secret squares.
#include "modes/story_map.h"

#include "modes/mode_state.h"
#include "ui/mainform.h"

namespace modes {

// Not built yet: Story mode comes later.
void draw_storymap() {}
void startmap2() {}
void enter_puzzleland() {}

void draw_secret(int index, int state, int onscreen) {
    if (index < 1 || index > 11) return;
    ModeState& s = modes::state();
    const auto slot = static_cast<std::size_t>(index);
    if (state != -1) {
        s.secret_state[slot] = static_cast<std::int16_t>(state);
        return;
    }
    ui::MainForm& f = ui::mainform();
    platform::PictureBox* target = onscreen != 0 ? f.pbox_main : f.pbox_temp;
    // The 26-pixel icon overlaps its 20-pixel square by 3 pixels on every side; the castle's
    // "not placed" square 99 lands far outside, where the copy clips to nothing.
    target->blit((s.secret_col[slot] - 1) * 20 - 3, (s.secret_row[slot] - 1) * 20 - 3, 26, 26,
                 *f.pbox_icosecret, (index - 1) * 26, s.secret_state[slot] * 26);
}

}  // namespace modes
