// Layers that follow a walk or a grid: a bouncing edge-to-edge polyline, offset tiles, bricks.
#include "pictures/layers_edges_bricks.h"

#include <cassert>

#include "core/rounding.h"
#include "core/utility.h"
#include "pictures/colour_ramps.h"
#include "pictures/layer_calls.h"
#include "pictures/layers_dots_mesh.h"
#include "platform/surface.h"

namespace pictures {

using core::cint;
using core::rnd_range;

void gen_edge_lines(double& count, double& width, double& r, double& g, double& b, double& spread) {
    const LayerCallScope logged("gen_edge_lines", {count, width, r, g, b, spread});
    platform::Surface& s = layer_surface();
    if (r == -1) {
        r = rnd_range(0, 255);
        g = rnd_range(0, 255);
        b = rnd_range(0, 255);
    }
    if (width == -1) width = rnd_range(2, 7);
    if (count <= 0) count = 100;

    // The start dot still wears the previous layer's pen; only the lines take the new width.
    const platform::Colour start = spread_colour(r, g, b, spread);
    s.point(0, 160, start);
    s.set_pen_width(cint(width));

    int side = 0;
    const int lines = cint(count);
    for (int i = 0; i < lines; ++i) {
        side = side % 4 + 1;
        const int p = rnd_range(0, 550);
        double to_x = 0, to_y = 0;
        switch (side) {
            case 1: to_x = p; to_y = 0; break;
            case 2: to_x = 420; to_y = p; break;
            case 3: to_x = p; to_y = 320; break;
            default: to_x = 0; to_y = p; break;
        }
        const platform::Colour c = spread_colour(r, g, b, spread);
        s.line_to(to_x, to_y, c);
    }
}

void gen_tiles_offset(double& size, double& density, double& r, double& g, double& b,
                      double& spread) {
    const LayerCallScope logged("gen_tiles_offset", {size, density, r, g, b, spread});
    platform::Surface& s = layer_surface();
    if (size == -1) size = rnd_range(15, 10);
    if (r == -1) {
        const int span = cint(250 - spread);
        r = rnd_range(0, span);
        g = rnd_range(0, span);
        b = rnd_range(0, span);
    }
    fill_background(r, g, b);
    if (density <= 0) density = rnd_range(20, 20);

    // The tile size is also the walk's step: below 1 the rows would never advance.
    int step = cint(size);
    assert(step >= 1 && "gen_tiles_offset: tile size below 1");
    if (step < 1) step = 1;
    const int w = 2 * step;

    int row = 0;
    for (int y = -step; y <= 420 - step; y += step) {
        ++row;
        for (int x = (row % 2 == 1) ? -step : 0; x <= 420; x += w) {
            const int k = rnd_range(0, 100);
            if (k <= density) {
                const platform::Colour c = spread_colour(r, g, b, spread);
                s.box(x, y, x + w - 1, y + step - 1, c, true);
            }
        }
    }
}

void gen_bricks(double& density, double& size, double& r, double& g, double& b) {
    const LayerCallScope logged("gen_bricks", {density, size, r, g, b});
    platform::Surface& s = layer_surface();
    if (size == -1) size = rnd_range(30, 10);
    if (r == -1) {
        r = rnd_range(30, 200);
        g = rnd_range(30, 200);
        b = rnd_range(30, 200);
    }
    const platform::Colour dark = platform::rgb(cint(r - 30), cint(g - 30), cint(b - 30));
    const platform::Colour light = platform::rgb(cint(r + 30), cint(g + 30), cint(b + 30));
    const platform::Colour body = platform::rgb(cint(r + 10), cint(g + 10), cint(b + 10));

    // Brick width and height are the steps of the walk: below 1 it would never advance.
    int w = cint(size);
    int h = cint(size / 2);
    assert(w >= 1 && h >= 1 && "gen_bricks: brick size below 2");
    if (w < 1) w = 1;
    if (h < 1) h = 1;

    int row = 0;
    for (int y = 0; y <= 320; y += h) {
        ++row;
        for (int x = (row % 2 == 1) ? 0 : -h; x <= 420; x += w) {
            const int k = rnd_range(0, 100);
            if (k > density) continue;
            s.box(x + 1, y + 1, x + 1 + (w - 2), y + 1 + (h - 2), body, true);
            s.box(x, y, x + (w - 1), y + (h - 1), light, false);
            s.line_to(s.current_x() - (w - 1), s.current_y(), dark);
            s.line_to(s.current_x(), s.current_y() - (h - 1), dark);
        }
    }
}

}  // namespace pictures
