// Layers of filled boxes, thick-bordered frames and diagonal crosses scattered over the work picture.
#include "pictures/layers_boxes.h"

#include "core/rounding.h"
#include "core/utility.h"
#include "pictures/colour_ramps.h"
#include "pictures/layer_calls.h"
#include "pictures/layers_dots_mesh.h"
#include "pictures/picture_state.h"
#include "platform/surface.h"

namespace pictures {
namespace {

using core::cint;

void random_base(double& r, double& g, double& b, int lo, double span) {
    r = core::rnd_range(lo, cint(span));
    g = core::rnd_range(lo, cint(span));
    b = core::rnd_range(lo, cint(span));
}

// Frames and crosses: r = -3 a new random background, r = -1 a random colour over the old
// picture, then r <= -2 the last background. The steps run one after the other, as a spread
// above 255 can leave a random channel at -1 or below and the later steps then apply to it.
void frame_base(double& r, double& g, double& b, double spread) {
    if (r == -3) {
        random_base(r, g, b, 0, 255 - spread);
        fill_background(r, g, b);
    }
    if (r == -1) random_base(r, g, b, 0, 255 - spread);
    if (r <= -2) {
        const PictureState& s = picture_state();
        r = s.bg_r;
        g = s.bg_g;
        b = s.bg_b;
    }
}

}  // namespace

void gen_boxes(double& count, double& r, double& g, double& b, double& spread) {
    const LayerCallScope logged("gen_boxes", {count, r, g, b, spread});
    if (count < 0) count = 80;
    if (spread < 0) spread = 30;
    if (r == -1) {
        random_base(r, g, b, 30, 225 - spread);
        fill_background(r, g, b);
    }
    platform::Surface& surface = layer_surface();
    const int n = cint(count);
    for (int i = 0; i < n; ++i) {
        const platform::Colour colour = spread_colour(r, g, b, spread);
        const int x = rnd_scaled(420);
        const int y = rnd_scaled(320);
        const int w = core::rnd_range(20, 40);
        const int h = core::rnd_range(20, 40);
        surface.box(x, y, x + w, y + h, colour, true);
    }
    surface.set_pen_width(1);
}

void gen_frames(double& count, double& r, double& g, double& b, double& spread) {
    const LayerCallScope logged("gen_frames", {count, r, g, b, spread});
    if (count < 0) count = 80;
    if (spread < 0) spread = 30;
    frame_base(r, g, b, spread);
    platform::Surface& surface = layer_surface();
    const int n = cint(count);
    for (int i = 0; i < n; ++i) {
        const platform::Colour colour = spread_colour(r, g, b, spread);
        const int x = rnd_scaled(420);
        const int y = rnd_scaled(320);
        const int w = core::rnd_range(40, 80);
        const int h = core::rnd_range(40, 80);
        surface.set_pen_width(core::rnd_range(3, 10));
        surface.box(x, y, x + w, y + h, colour, false);
    }
    surface.set_pen_width(1);
}

void gen_crosses(double& count, double& r, double& g, double& b, double& spread) {
    const LayerCallScope logged("gen_crosses", {count, r, g, b, spread});
    if (count < 0) count = 100;
    if (spread < 0) spread = 30;
    frame_base(r, g, b, spread);
    platform::Surface& surface = layer_surface();
    const int n = cint(count);
    for (int i = 0; i < n; ++i) {
        const platform::Colour colour = spread_colour(r, g, b, spread);
        const int x = rnd_scaled(420);
        const int y = rnd_scaled(320);
        const int s = core::rnd_range(6, 34);
        // The stroke thickens with the cross: 2 for the smallest, 8 for the largest.
        surface.set_pen_width(cint(s / 6.0) + 1);
        surface.line(x, y, x + s, y + s, colour);
        surface.line(x, y + s, x + s, y, colour);
    }
    surface.set_pen_width(1);
}

}  // namespace pictures
