// Linear mode: the level ladder, its rounds and rewards.
#include "modes/linear.h"

#include "core/game_state.h"
#include "core/round_flow.h"
#include "core/utility.h"
#include "pictures/colour_ramps.h"
#include "platform/random.h"
#include "ui/mainform.h"
#include "ui/transition.h"

namespace modes {

void genpuzzle_pane() { ui::pane_close("GENPUZZLE"); }

// The first level's round only, on a plain picture of coloured blocks: the level ladder and
// the picture kinds are not built yet.
void linear_round() {
    core::CoreState& s = core::state();
    s.round_kind = 0;
    s.round_cols = 5;
    s.round_rows = 4;
    s.tgt_count = 1;
    core::make_round_colours();
    double r = -1, g = 0, b = 0;
    pictures::fill_background(r, g, b);
    platform::Surface& pic = ui::mainform().pbox_temp->draw();
    for (int y = 0; y < 320; y += 16) {
        for (int x = 0; x < 420; x += 21) {
            const int red = core::rnd_range(0, 255);
            const int green = core::rnd_range(0, 255);
            const int blue = core::rnd_range(0, 255);
            pic.box(x, y, x + 20, y + 15, platform::rgb(red, green, blue), true);
        }
    }
}

}  // namespace modes
