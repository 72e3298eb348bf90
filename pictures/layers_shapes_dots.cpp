// Layers that place figures: a shadowed shape grid, two-shape tiles, the dot picture, arc repeats.
#include "pictures/layers_shapes_dots.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <string>

#include "core/board.h"
#include "core/rounding.h"
#include "core/utility.h"
#include "pictures/colour_ramps.h"
#include "pictures/layer_calls.h"
#include "pictures/layers_arcs.h"
#include "pictures/layers_dots_mesh.h"
#include "pictures/picture_state.h"
#include "pictures/shapes.h"
#include "platform/picture_box.h"
#include "platform/picture_clip.h"

namespace pictures {
namespace {

using core::cint;
using core::rnd_range;

constexpr int kMaxKinds = 10;
// Tries for a second tile shape before settling for the first: with two named shapes each try
// differs half the time, so only a broken random source ever gets this far.
constexpr int kMaxSecondPicks = 1000;

// The icon colours that the dot picture tints; every other colour is shown as drawn.
constexpr platform::Colour kMarkerPink = platform::rgb(255, 128, 255);
constexpr platform::Colour kMarkerYellow = platform::rgb(255, 255, 128);

// The shapes pick_shape can return for the empty filter: those with a name.
int named_shapes() {
    const PictureState& p = picture_state();
    const int last = std::min<int>(p.shape_count, static_cast<int>(p.shape_name.size()) - 1);
    int named = 0;
    for (int k = 1; k <= last; ++k) {
        if (!p.shape_name[static_cast<std::size_t>(k)].empty()) ++named;
    }
    return named;
}

}  // namespace

void gen_shape_grid(double& kinds, double& div, double& percent, double& turn, double& r,
                    double& g, double& b, double& mode, double& spread) {
    const LayerCallScope logged("gen_shape_grid", {kinds, div, percent, turn, r, g, b, mode, spread});
    // Below one cell across the cell would outgrow the picture and a negative count would walk
    // away from the bound forever; above 420 the cell shrinks under a pixel and never advances.
    double across = div;
    assert(across >= 1 && across <= 420 && "gen_shape_grid: cells across outside 1..420");
    if (!(across >= 1)) across = 1;
    if (across > 420) across = 420;
    // The shapes are remembered in a list of ten.
    int n_kinds = cint(kinds);
    assert(n_kinds >= 1 && n_kinds <= kMaxKinds && "gen_shape_grid: kinds outside 1..10");
    n_kinds = std::clamp(n_kinds, 1, kMaxKinds);

    const int cell = cint(420 / across);
    if (r == -1) {
        r = rnd_range(20, 225);
        g = rnd_range(20, 225);
        b = rnd_range(20, 225);
    }
    if (r == -2) {
        // Shapes over the picture underneath: the shadow needs 20 to take off each channel.
        const PictureState& p = picture_state();
        r = std::max<int>(p.bg_r, 20);
        g = std::max<int>(p.bg_g, 20);
        b = std::max<int>(p.bg_b, 20);
    } else {
        fill_background(r, g, b);
    }
    platform::Colour shadow = platform::rgb(cint(r - 20), cint(g - 20), cint(b - 20));

    int red = rnd_range(40, 215);
    int green = rnd_range(40, 215);
    int blue = rnd_range(40, 215);

    std::array<std::uint8_t, kMaxKinds + 1> list{};
    for (int i = 1; i <= n_kinds; ++i) {
        std::string any;
        list[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(pick_shape(any));
    }

    int x0 = cint(cell / 2.0);
    int y0 = x0;
    // The scales are single precision, as the shapes were laid out with them.
    const float scale = static_cast<float>(cell * 0.7 / 50);
    double scale_x = scale;
    double scale_y = scale;
    double w = cint(16 / across);
    if (across == 1) {
        scale_y = static_cast<float>(scale_y * 0.8);
        x0 = 225;
        y0 = 170;
        w = 14;
    }
    g = 6;
    std::int16_t orient = 0;

    // The column bound is taken from y0, so one big shape makes a single column.
    for (int x = x0; x <= y0 + 420; x += cell) {
        for (int y = y0; y <= y0 + 320; y += cell) {
            const int k = rnd_range(0, 100);
            if (k > percent) continue;
            if (mode == 1) {
                red = rnd_range(45, 210);
                green = rnd_range(45, 210);
                blue = rnd_range(45, 210);
            } else if (mode == 2) {
                const int span = cint(spread);
                red = rnd_range(cint(r), span);
                green = rnd_range(cint(g), span);
                blue = rnd_range(cint(b), span);
            }
            // A scripted source may hand out values a real one never does; stay in the list.
            const int n = std::clamp(rnd_range(1, n_kinds - 1), 1, n_kinds);
            std::int16_t shape = list[static_cast<std::size_t>(n)];
            if (turn == 1) orient = static_cast<std::int16_t>(rnd_range(0, 1));

            double sx = x, sy = y;
            draw_shape_temp(shape, sx, sy, shadow, scale_x, scale_y, w, orient);
            double fx = x - w, fy = y - w;
            platform::Colour colour = platform::rgb(red, green, blue);
            draw_shape_temp(shape, fx, fy, colour, scale_x, scale_y, w, orient);
        }
    }
}

void gen_shape_tiles(double& r, double& g, double& b, double& spread) {
    const LayerCallScope logged("gen_shape_tiles", {r, g, b, spread});
    std::string any;
    const std::int16_t first = pick_shape(any);
    std::int16_t second = first;
    // With fewer than two shapes to pick from no second one would ever come up: the lattice
    // then shows the one shape everywhere.
    if (named_shapes() >= 2) {
        for (int tries = 0; tries < kMaxSecondPicks && second == first; ++tries) {
            second = pick_shape(any);
        }
    }

    for (int x = 20; x <= 410; x += 65) {
        for (int y = 30; y <= 290; y += 65) {
            platform::Colour colour = spread_colour(r, g, b, spread);
            const int c = rnd_range(1, 1);
            std::int16_t shape = c == 1 ? first : second;
            double px = x, py = y, scale_x = 0.8, scale_y = 1, width = 2;
            std::int16_t orient = 0;
            draw_shape_temp(shape, px, py, colour, scale_x, scale_y, width, orient);
        }
    }
}

void gen_dot_picture(double& r, double& g, double& b, double& spread) {
    const LayerCallScope logged("gen_dot_picture", {r, g, b, spread});
    const int t = rnd_0_81();
    platform::PictureBox* templ = core::board().pbox_temp2;
    if (templ && core::board().icons) {
        templ->set_picture(core::board().icons->cell(t));
        // Outer size: inside its border the box is exactly one 32 x 24 icon.
        templ->set_width(36);
        templ->set_height(28);
    }
    if (r == -1) {
        const int span = cint(255 - spread);
        r = rnd_range(0, span);
        g = rnd_range(0, span);
        b = rnd_range(0, span);
    }
    fill_background(r, g, b);

    platform::Surface& s = layer_surface();
    for (int i = 0; i <= 31; ++i) {
        for (int j = 0; j <= 23; ++j) {
            s.set_pen_width(rnd_range(10, 5));
            const int x = cint(i * 13.3 + 7);
            const int y = cint(j * 13.3 + 7);
            platform::Colour c = templ ? templ->pixel(i, j) : platform::kBlack;
            if (c == kMarkerPink || c == kMarkerYellow) c = spread_colour(r, g, b, spread);
            s.point(x, y, c);
        }
    }
}

void repeat_arcs(double& n, double& count, double& spread, double& size) {
    const LayerCallScope logged("repeat_arcs", {n, count, spread, size});
    const int passes = cint(n);
    for (int i = 1; i <= passes; ++i) {
        // A fresh -1 each pass: every layer draws its own base colour, and none reaches the caller.
        double r = -1, g = 0, b = 0;
        gen_arcs(count, r, g, b, spread, size);
    }
}

std::int16_t rnd_0_81() {
    return static_cast<std::int16_t>(rnd_scaled(81));
}

}  // namespace pictures
