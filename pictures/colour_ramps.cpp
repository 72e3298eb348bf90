// The shared colour list with its ramps, the background fill of the work picture and the
// round's glow colours.
#include "pictures/colour_ramps.h"

#include "core/board.h"
#include "core/game_state.h"
#include "core/rounding.h"
#include "core/utility.h"
#include "pictures/picture_state.h"
#include "platform/picture_box.h"

namespace pictures {

using core::cint;

void make_gradient(double steps, double append, double r1, double g1, double b1, double r2,
                   double g2, double b2) {
    PictureState& s = picture_state();
    const int n = cint(steps);
    if (append == 0) s.grad_count = 0;
    if (n > 0) {
        const double dr = (r2 - r1) / steps;
        const double dg = (g2 - g1) / steps;
        // Blue steps whole numbers while red and green don't: long ramps end short in blue.
        const std::int16_t db = cint((b2 - b1) / steps);
        for (int m = 0; m < n && s.grad_count < kMaxGradColors; ++m) {
            ++s.grad_count;
            int red = cint(r1 + m * dr);
            int green = cint(g1 + m * dg);
            int blue = cint(b1 + core::cint(static_cast<double>(m) * db));
            s.grad_colors[static_cast<std::size_t>(s.grad_count)] = platform::rgb(red, green, blue);
        }
    }
    s.grad_last_r = cint(r2);
    s.grad_last_g = cint(g2);
    s.grad_last_b = cint(b2);
}

void continue_gradient(double steps, double r, double g, double b) {
    const PictureState& s = picture_state();
    make_gradient(steps, 1, s.grad_last_r, s.grad_last_g, s.grad_last_b, r, g, b);
}

void fill_background(double& r, double& g, double& b) {
    if (r == -1) {
        r = core::rnd_range(0, 255);
        g = core::rnd_range(0, 255);
        b = core::rnd_range(0, 255);
    }
    if (platform::PictureBox* temp = core::board().pbox_temp) {
        temp->draw().box(0, 0, 420, 320, platform::rgb(cint(r), cint(g), cint(b)), true);
    }
    PictureState& s = picture_state();
    s.bg_r = cint(r);
    s.bg_g = cint(g);
    s.bg_b = cint(b);
}

void make_round_colours() {
    const int red = core::rnd_range(90, 150);
    const int green = core::rnd_range(90, 150);
    const int blue = core::rnd_range(90, 150);
    make_gradient(15, 0, 0, 0, 0, red, green, blue);
    const PictureState& p = picture_state();
    core::CoreState& s = core::core_state();
    for (std::size_t i = 0; i <= 11; ++i) s.glow_colour[i] = p.grad_colors[i];
}

}  // namespace pictures
