// Layer generators of the work picture coloured from the shared colour list: boxes and stripes.
#include "pictures/layers_gradients.h"

#include <algorithm>
#include <cassert>

#include "core/rounding.h"
#include "core/utility.h"
#include "pictures/colour_ramps.h"
#include "pictures/layer_calls.h"
#include "pictures/layers_dots_mesh.h"
#include "pictures/picture_state.h"
#include "platform/surface.h"

namespace pictures {

using core::cint;

namespace {

struct Channels {
    double r, g, b;
};

// Colour 1 with one channel turned towards its opposite (green twice as often as red or
// blue): where the second ramp ends, so the far end of the list contrasts with colour 1.
Channels third_colour(double r1, double g1, double b1) {
    const int k = rnd_scaled(2) + 1;
    Channels c{r1, g1, b1};
    double& turned = k == 1 ? c.r : (k == 2 ? c.g : c.b);
    turned = core::rnd_range(cint(235 - turned), 40);
    c.r = std::max(c.r, 0.0);
    c.g = std::max(c.g, 0.0);
    c.b = std::max(c.b, 0.0);
    return c;
}

// n colours from colour 1 towards colour 2, then n from colour 2 towards the third colour.
void two_part_list(int n, double r1, double g1, double b1, double r2, double g2, double b2,
                   const Channels& third) {
    make_gradient(n, 0, r1, g1, b1, r2, g2, b2);
    continue_gradient(n, third.r, third.g, third.b);
}

// The counts are held so the list never overflows; black rather than a stray read if one
// ever did.
platform::Colour entry(int index) {
    if (index < 0 || index > kMaxGradColors) return platform::kBlack;
    return picture_state().grad_colors[static_cast<std::size_t>(index)];
}

// Two ramps of nx + 1 colours must fit the 150-entry list, and no boxes at all would divide
// by zero: no recipe asks for either (they pass 10 to 16), so a stray count is held to what
// the layer can draw.
constexpr int kMaxBoxColumns = kMaxGradColors / 2 - 1;

double box_columns(double nx) {
    assert(nx >= 1 && nx <= kMaxBoxColumns && "box columns outside 1..74");
    if (!(nx >= 1)) return 1;  // not a number counts as too few
    return std::min(nx, static_cast<double>(kMaxBoxColumns));
}

double box_rows(double ny) {
    assert(ny >= 1 && "box rows below 1");
    return ny >= 1 ? ny : 1;
}

}  // namespace

void gen_gradient_boxes(double& nx, double& ny, double& r1, double& g1, double& b1, double& r2,
                        double& g2, double& b2) {
    const LayerCallScope logged("gen_gradient_boxes", {nx, ny, r1, g1, b1, r2, g2, b2});
    if (r1 == -1) {
        r1 = core::rnd_range(0, 255);
        g1 = core::rnd_range(0, 255);
        b1 = core::rnd_range(0, 255);
        // Colour 2 near the complement, so the ramp crosses the colour wheel.
        r2 = core::rnd_range(cint(255 - r1), 25);
        g2 = core::rnd_range(cint(255 - g1), 25);
        b2 = core::rnd_range(cint(255 - b1), 25);
    }
    const Channels third = third_colour(r1, g1, b1);
    if (nx == -1) nx = rnd_scaled(5) + 15;
    if (ny == -1) ny = rnd_scaled(5) + 15;
    nx = box_columns(nx);
    ny = box_rows(ny);

    const int bw = cint(420 / nx);
    const int bh = cint(320 / ny);
    // Columns 0 to nx + 1 and rows 0 to ny + 1: two more than asked for, so box sizes rounded
    // down still reach the far edges.
    const int n = cint(nx + 1);
    const int m = cint(ny + 1);
    two_part_list(n, r1, g1, b1, r2, g2, b2, third);
    const int count = picture_state().grad_count;

    platform::Surface& s = layer_surface();
    for (int c = 0; c <= n; ++c) {
        const int x = c * bw;
        const platform::Colour forwards = entry(c + 1);
        for (int j = c % 2; j <= m; j += 2) {
            s.box(x, j * bh, x + bw - 1, j * bh + bh - 1, forwards, true);
        }
        const platform::Colour backwards = entry(count - c);
        for (int j = 1 - c % 2; j <= m; j += 2) {
            s.box(x, j * bh, x + bw - 1, j * bh + bh - 1, backwards, true);
        }
    }
}

void gen_gradient_stripes(double& w, double& dir, double& r1, double& g1, double& b1, double& r2,
                          double& g2, double& b2) {
    const LayerCallScope logged("gen_gradient_stripes", {w, dir, r1, g1, b1, r2, g2, b2});
    if (w == -1) w = rnd_scaled(4) * 2 + 1;
    if (dir == -1) dir = rnd_scaled(1) + 1;
    if (r1 == -1) {
        r1 = core::rnd_range(0, 255);
        g1 = core::rnd_range(0, 255);
        b1 = core::rnd_range(0, 255);
        r2 = core::rnd_range(0, 255);
        g2 = core::rnd_range(0, 255);
        b2 = core::rnd_range(0, 255);
    }
    const Channels third = third_colour(r1, g1, b1);
    // Nothing is painted in it, but a later layer asking for the background gets a colour
    // just above colour 1, which the stripes start from.
    PictureState& ps = picture_state();
    ps.bg_r = cint(core::rnd_range(cint(r1), 20));
    ps.bg_g = cint(core::rnd_range(cint(g1), 20));
    ps.bg_b = cint(core::rnd_range(cint(b1), 20));
    // Every stripe layer is 11 wide: the width drawn above only keeps the sequence of draws.
    w = 11;
    const int spacing = cint(w * 1.4);
    const int n = cint(420.0 / spacing) + 1;
    two_part_list(n, r1, g1, b1, r2, g2, b2, third);

    platform::Surface& s = layer_surface();
    s.set_pen_width(cint(w));
    int t = 0;
    for (int p = 0; p <= 740; p += spacing) {
        ++t;
        // Neighbours come from opposite ends of the list, so they contrast.
        const platform::Colour colour = t % 2 == 1 ? entry(t) : entry(ps.grad_count - t);
        if (dir == 1) {
            s.line(-3, p, p, -3, colour);
        } else if (dir == 2) {
            s.line(-3, 323 - p, p, 323, colour);
        }
    }
}

}  // namespace pictures
