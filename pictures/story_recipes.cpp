// The pictures of the Story level puzzles above level 8: brick walls and their companions.
//
// Like the picture kinds, each recipe first makes its draws in a fixed order, used or not,
// then paints its layers; the same sequence gives the same picture.
#include "pictures/story_recipes.h"

#include "core/utility.h"
#include "pictures/colour_ramps.h"
#include "pictures/layers_boxes.h"
#include "pictures/layers_dots_mesh.h"
#include "pictures/layers_edges_bricks.h"
#include "pictures/layers_shapes_dots.h"
#include "pictures/layers_strokes_tiles.h"

namespace pictures {

namespace {

using core::rnd_range;

void discard(int lo, int span) { (void)rnd_range(lo, span); }

// Layers write their defaults back into what they are given: every constant argument gets a
// variable of its own so that no write-back reaches another argument.
struct Args {
    double v[9];
};

void dots(double count, double spread) {
    Args a{{count, -1, 0, 0, spread}};
    gen_dots(a.v[0], a.v[1], a.v[2], a.v[3], a.v[4]);
}

void shape_grid(double kinds, double div, double percent, double turn, double r, double mode,
                double spread) {
    Args a{{kinds, div, percent, turn, r, 0, 0, mode, spread}};
    gen_shape_grid(a.v[0], a.v[1], a.v[2], a.v[3], a.v[4], a.v[5], a.v[6], a.v[7], a.v[8]);
}

void strokes(double& w, double spread) {
    Args a{{-1, -1, -1, 0, 0, spread}};
    gen_strokes(w, a.v[0], a.v[1], a.v[2], a.v[3], a.v[4], a.v[5]);
}

void bricks(double density, double size, double& r, double& g, double& b) {
    gen_bricks(density, size, r, g, b);
}

void edge_lines(double count, double width, double& r, double& g, double& b, double spread) {
    gen_edge_lines(count, width, r, g, b, spread);
}

}  // namespace

void gen_puzzle_l9() {
    discard(1, 4);
    discard(18, 5);
    discard(15, 5);
    discard(4, 4);
    discard(10, 10);
    double r = rnd_range(50, 180);
    double g = rnd_range(50, 180);
    double b = rnd_range(50, 180);
    fill_background(r, g, b);
    const double size = rnd_range(27, 10);
    bricks(50, size, r, g, b);
}

void gen_puzzle_l10() {
    discard(18, 5);
    discard(15, 5);
    discard(4, 4);
    double w = rnd_range(10, 7);
    double nx = rnd_range(10, 4);
    double ny = rnd_range(8, 4);
    double r = rnd_range(40, 200);
    double g = rnd_range(40, 200);
    double b = rnd_range(40, 200);
    const int s = rnd_range(1, 5);
    if (s == 1 || s == 2) shape_grid(2, 6, 100, 0, -1, 0, 100);
    if (s == 3) {
        Args a{{-1, -1, 0, 0}};
        gen_mesh(nx, ny, a.v[0], a.v[1], a.v[2], a.v[3]);
    }
    if (s == 4) {
        dots(50, 40);
        Args a{{140, 120}};
        gen_crosses(a.v[0], r, g, b, a.v[1]);
    }
    if (s == 5) strokes(w, 70);
    if (s == 6) {
        dots(50, 70);
        for (int i = 0; i < 3; ++i) edge_lines(24, 5, r, g, b, 80);
    }
}

void gen_puzzle_l11() {
    discard(4, 4);
    discard(6, 7);
    discard(16, 5);
    discard(12, 5);
    double r = rnd_range(40, 160);
    double g = rnd_range(40, 160);
    double b = rnd_range(40, 160);
    const int s = rnd_range(1, 4);
    if (s == 1) {
        dots(50, 50);
        for (int i = 0; i < 5; ++i) edge_lines(20, 4, r, g, b, 100);
    }
    if (s == 2) {
        fill_background(r, g, b);
        for (int i = 1; i <= 3; ++i) {
            r = rnd_range(30, 210);
            g = rnd_range(30, 210);
            b = rnd_range(30, 210);
            bricks(30, 4 * i + 24, r, g, b);
        }
    }
    if (s == 3) {
        double w = -1;
        strokes(w, 30);
        shape_grid(1, 6, 100, 1, -2, 0, 60);
    }
    if (s == 4) {
        dots(60, 50);
        shape_grid(2, 6, 100, 0, -2, 0, 60);
    }
    if (s == 5) {
        fill_background(r, g, b);
        bricks(40, 25, r, g, b);
    }
}

}  // namespace pictures
