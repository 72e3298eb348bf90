// The pictures of the Story level puzzles above level 8: brick walls and their companions.
//
// Like the picture kinds, each recipe first makes its draws in a fixed order, used or not,
// then paints its layers; the same sequence gives the same picture.
#include "pictures/story_recipes.h"

#include "core/utility.h"
#include "pictures/colour_ramps.h"
#include "pictures/kinds.h"
#include "pictures/layers_boxes.h"
#include "pictures/layers_dots_mesh.h"
#include "pictures/layers_edges_bricks.h"
#include "pictures/layers_shapes_dots.h"
#include "pictures/layers_strokes_tiles.h"
#include "pictures/recipe_args.h"

namespace pictures {

using core::rnd_range;

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
    gen_bricks(c(50), c(size), r, g, b);
}

void gen_puzzle_l10() { paint_kind10_plan({100, 40, 120, 70}); }

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
        gen_dots(c(50), c(-1), c(0), c(0), c(50));
        for (int i = 0; i < 5; ++i) gen_edge_lines(c(20), c(4), r, g, b, c(100));
    }
    if (s == 2) {
        fill_background(r, g, b);
        for (int i = 1; i <= 3; ++i) {
            r = rnd_range(30, 210);
            g = rnd_range(30, 210);
            b = rnd_range(30, 210);
            gen_bricks(c(30), c(4 * i + 24), r, g, b);
        }
    }
    if (s == 3) {
        gen_strokes(c(-1), c(-1), c(-1), c(-1), c(0), c(0), c(30));
        gen_shape_grid(c(1), c(6), c(100), c(1), c(-2), c(0), c(0), c(0), c(60));
    }
    if (s == 4) {
        gen_dots(c(60), c(-1), c(0), c(0), c(50));
        gen_shape_grid(c(2), c(6), c(100), c(0), c(-2), c(0), c(0), c(0), c(60));
    }
    if (s == 5) {
        fill_background(r, g, b);
        gen_bricks(c(40), c(25), r, g, b);
    }
}

}  // namespace pictures
