// Layer generators of the work picture: the habits they share, the dot field and the mesh.
#include "pictures/layers_dots_mesh.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <utility>

#include "core/board.h"
#include "core/rounding.h"
#include "core/utility.h"
#include "pictures/colour_ramps.h"
#include "pictures/layer_calls.h"
#include "platform/picture_box.h"
#include "platform/surface.h"

namespace pictures {

using core::cint;

platform::Surface& layer_surface() {
    if (platform::PictureBox* temp = core::board().pbox_temp) return temp->draw();
    static platform::Surface scratch(420, 320, platform::kBlack);
    return scratch;
}

int rnd_scaled(int c) {
    const float product = core::rnd_direct() * static_cast<float>(c);
    return cint(product);
}

platform::Colour spread_colour(double r, double g, double b, double spread) {
    const int span = cint(spread);
    const int red = core::rnd_range(cint(r), span);
    const int green = core::rnd_range(cint(g), span);
    const int blue = core::rnd_range(cint(b), span);
    return platform::rgb(red, green, blue);
}

void gen_dots(double& count, double& r, double& g, double& b, double& spread) {
    const LayerCallScope logged("gen_dots", {count, r, g, b, spread});
    if (count < 0) count = 80;
    if (spread < 0) spread = 30;
    if (r == -1) {
        // Room is left above the base for the spread, so the dots rarely saturate.
        r = core::rnd_range(30, cint(225 - spread));
        g = core::rnd_range(30, cint(225 - spread));
        b = core::rnd_range(30, cint(225 - spread));
    }
    fill_background(r, g, b);
    platform::Surface& s = layer_surface();
    const int dots = cint(count);
    for (int i = 0; i < dots; ++i) {
        const platform::Colour colour = spread_colour(r, g, b, spread);
        const int x = rnd_scaled(420);
        const int y = rnd_scaled(320);
        const int size = rnd_scaled(30) + 4;
        s.set_pen_width(size);
        s.point(x, y, colour);
    }
    s.set_pen_width(1);
}

namespace {

// The point tables hold columns and rows 0 to 30, so at most 29 cells each way.
constexpr int kMaxMeshCells = 29;

// No recipe asks for more cells than the tables hold, or for none (which would divide by
// zero); a stray count is held to the nearest one the mesh can draw.
double mesh_cells(double cells) {
    assert(cells >= 1 && cells <= kMaxMeshCells && "mesh cell count outside 1..29");
    if (!(cells >= 1)) return 1;  // not a number counts as too few
    return std::min(cells, static_cast<double>(kMaxMeshCells));
}

}  // namespace

void gen_mesh(double& nx, double& ny, double& draw_width, double& r, double& g, double& b) {
    const LayerCallScope logged("gen_mesh", {nx, ny, draw_width, r, g, b});
    if (nx == -1) nx = 12;
    if (ny == -1) ny = 12;
    nx = mesh_cells(nx);
    ny = mesh_cells(ny);
    if (draw_width == -1) draw_width = cint(nx / 2);
    if (r == -1) {
        r = core::rnd_range(30, 200);
        g = core::rnd_range(30, 200);
        b = core::rnd_range(30, 200);
    }
    platform::Colour back = platform::rgb(cint(r), cint(g), cint(b));
    const int mesh_r = core::rnd_range(cint(r + 20), 25);
    const int mesh_g = core::rnd_range(cint(g + 20), 25);
    const int mesh_b = core::rnd_range(cint(b + 20), 25);
    platform::Colour mesh = platform::rgb(mesh_r, mesh_g, mesh_b);
    // About half of the meshes are darker than what lies between them.
    if (core::rnd_range(1, 1) == 1) std::swap(back, mesh);

    const int cw = cint(420 / nx);
    const int ch = cint(320 / ny);
    platform::Surface& s = layer_surface();
    // Painted directly, not through fill_background: a later layer asking for the background
    // still gets the one recorded before the mesh.
    s.box(0, 0, 420, 320, back, true);
    s.set_pen_width(cint(draw_width));

    // The jitter grows with the number of cells, not with their size.
    const int kx = cint(nx * 0.8);
    const int ky = cint(ny * 0.8);
    std::array<std::array<std::int16_t, kMaxMeshCells + 2>, kMaxMeshCells + 2> px{}, py{};
    const int last_col = cint(nx + 1);
    const int last_row = cint(ny + 1);
    for (int c = 0; c <= last_col; ++c) {
        for (int j = 0; j <= last_row; ++j) {
            // The outermost column and row are drawn for but join no line.
            const auto ci = static_cast<std::size_t>(c), ji = static_cast<std::size_t>(j);
            px[ci][ji] = cint(c * cw - kx + rnd_scaled(2 * kx));
            py[ci][ji] = cint(j * ch - ky + rnd_scaled(2 * ky));
        }
    }
    const int cols = cint(nx);
    const int rows = cint(ny);
    for (std::size_t c = 1; c <= static_cast<std::size_t>(cols); ++c) {
        for (std::size_t j = 1; j <= static_cast<std::size_t>(rows); ++j) {
            // Each line starts from a dot so the joints come out round at any pen width.
            s.point(px[c][j], py[c][j], mesh);
            s.line_to(px[c][j - 1], py[c][j - 1], mesh);
            s.point(px[c][j], py[c][j], mesh);
            s.line_to(px[c - 1][j], py[c - 1][j], mesh);
        }
    }
    s.set_pen_width(1);
}

}  // namespace pictures
