// Overlay layers of thick arcs and thick outlined triangles drawn over the work picture.
#include "pictures/layers_arcs.h"

#include <algorithm>

#include "core/rounding.h"
#include "core/utility.h"
#include "pictures/layer_calls.h"
#include "pictures/layers_dots_mesh.h"
#include "pictures/picture_state.h"
#include "platform/surface.h"

namespace pictures {
namespace {

using core::cint;

// The base colour rule both layers share: r = -1 random, r <= -2 the last background.
void settle_base(double& r, double& g, double& b) {
    if (r == -1) {
        r = core::rnd_range(0, 255);
        g = core::rnd_range(0, 255);
        b = core::rnd_range(0, 255);
    } else if (r <= -2) {
        const PictureState& s = picture_state();
        r = s.bg_r;
        g = s.bg_g;
        b = s.bg_b;
    }
}

}  // namespace

void gen_arcs(double& count, double& r, double& g, double& b, double& spread, double& size) {
    const LayerCallScope logged("gen_arcs", {count, r, g, b, spread, size});
    settle_base(r, g, b);
    if (spread < 0) spread = 30;
    if (count < 0) count = 20;
    if (size < 0) size = 100;

    platform::Surface& surface = layer_surface();
    const int n = cint(count);
    for (int i = 0; i < n; ++i) {
        // Centres up to 60 pixels outside the picture, so arcs also come in from the edges.
        const int x = rnd_scaled(540) - 60;
        const int y = rnd_scaled(440) - 60;
        const platform::Colour colour = spread_colour(r, g, b, spread);
        const int radius = cint(core::rnd_direct() * (size - 20)) + 30;
        const int jitter = rnd_scaled(6) - 3;
        // A size below 20 allows radii under 30 and so pens of 0 or less.
        surface.set_pen_width(std::max(1, jitter + cint(radius / 5.0)));
        const int aspect = cint(core::rnd_direct() * 4.0f + 0.1);
        const int start = rnd_scaled(6);
        const int end = rnd_scaled(6);
        surface.arc(x, y, radius, colour, start, end, aspect);
    }
}

void gen_scribbles(double& count, double& r, double& g, double& b, double& spread) {
    const LayerCallScope logged("gen_scribbles", {count, r, g, b, spread});
    settle_base(r, g, b);
    if (spread < 0) spread = 30;
    if (count < 0) count = 20;

    platform::Surface& surface = layer_surface();
    const int n = cint(count);
    for (int i = 0; i < n; ++i) {
        surface.set_pen_width(rnd_scaled(8) + 3);
        const platform::Colour colour = spread_colour(r, g, b, spread);
        const int x0 = rnd_scaled(540) - 60;
        const int y0 = rnd_scaled(440) - 60;
        surface.point(x0, y0, colour);
        const int dx = rnd_scaled(300) + 70;
        const int dy = rnd_scaled(200) + 70;
        for (int corner = 0; corner < 2; ++corner) {
            const int x = x0 - dx + rnd_scaled(2 * dx);
            const int y = y0 - dy + rnd_scaled(2 * dy);
            surface.line_to(x, y, colour);
        }
        surface.line_to(x0, y0, colour);
    }
}

}  // namespace pictures
