// Layer generators of the work picture: rows or columns of thick dashes, and a grid of tiles.
#include "pictures/layers_strokes_tiles.h"

#include <cassert>

#include "core/rounding.h"
#include "core/utility.h"
#include "pictures/colour_ramps.h"
#include "pictures/layer_calls.h"
#include "pictures/layers_dots_mesh.h"
#include "platform/surface.h"

namespace pictures {

using core::cint;

void gen_strokes(double& step, double& w, double& dir, double& r, double& g, double& b,
                 double& spread) {
    const LayerCallScope logged("gen_strokes", {step, w, dir, r, g, b, spread});
    if (!(w > 2)) w = core::rnd_range(6, 10);  // a width that is not a number counts as too thin
    // A step that rounds to 0 would never get past the first line; no recipe passes one, so
    // it takes the default spacing rather than hang the round.
    const bool no_step = step != -1 && cint(step) == 0;
    assert(!no_step && "stroke step rounds to 0");
    if (step == -1 || no_step) step = 2 * w;
    const int pen = cint(w);
    if (dir == -1) dir = core::rnd_range(0, 1);
    if (spread == -1) spread = 40;
    if (r == -1) {
        r = core::rnd_range(30, 200);
        g = core::rnd_range(30, 200);
        b = core::rnd_range(30, 200);
    }
    fill_background(r, g, b);
    platform::Surface& s = layer_surface();
    s.set_pen_width(pen);

    const int gap = cint(step);
    const bool rows = dir == 0;
    const int last = rows ? 320 : 420;
    // A negative step runs from 0 away from the far edge: no lines at all.
    for (int at = 0; gap > 0 && at <= last; at += gap) {
        // Columns stop at 420 as rows do, so their last dashes fall below the picture.
        for (int p = 0; p < 420;) {
            const int length = cint(static_cast<double>(pen) * core::rnd_range(2, 3));
            const platform::Colour colour = spread_colour(r, g, b, spread);
            if (rows) {
                s.line(p, at, p + length, at, colour);
            } else {
                s.line(at, p, at, p + length, colour);
            }
            p += 2 * pen + length;  // pen is at least 2, so the walk always moves on
        }
    }
    s.set_pen_width(1);
}

namespace {

// A size at or below 0 asks for the default. One that rounds to 0 would never move on to the
// next tile: no recipe passes one, so it takes the default as well (so does not-a-number).
bool wants_default_size(double size) {
    const bool rounds_to_nothing = !(size <= 0) && !(cint(size) >= 1);
    assert(!rounds_to_nothing && "tile size rounds to 0");
    return size <= 0 || rounds_to_nothing;
}

}  // namespace

void gen_tiles(double& w, double& h, double& r, double& g, double& b, double& spread) {
    const LayerCallScope logged("gen_tiles", {w, h, r, g, b, spread});
    if (spread < 0) spread = 30;
    if (wants_default_size(w)) w = core::rnd_range(10, 20);
    if (wants_default_size(h)) h = core::rnd_range(10, 20);
    if (r == -1) {
        r = core::rnd_range(0, cint(255 - spread));
        g = core::rnd_range(0, cint(255 - spread));
        b = core::rnd_range(0, cint(255 - spread));
    }
    fill_background(r, g, b);
    platform::Surface& s = layer_surface();
    const int tw = cint(w - 1);
    const int th = cint(h - 1);
    const int step_x = cint(w);
    const int step_y = cint(h);
    // Tiles start up to and including the far edges, so the last column and row lie just
    // outside the picture. The pen width is left alone: filled boxes don't use it.
    for (int x = 0; x <= 420; x += step_x) {
        for (int y = 0; y <= 320; y += step_y) {
            const platform::Colour colour = spread_colour(r, g, b, spread);
            s.box(x, y, x + tw, y + th, colour, true);
        }
    }
}

}  // namespace pictures
