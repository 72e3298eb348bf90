// The twelve picture kinds of Linear mode and the dispatcher that paints one.
//
// Each recipe draws its numbers first, in a fixed order and whether or not its layers use
// them, then runs one or two layers. The draws are behaviour: the same sequence must give the
// same picture.
#include "pictures/kinds.h"


#include "core/rounding.h"
#include "core/utility.h"
#include "pictures/layers_arcs.h"
#include "pictures/layers_boxes.h"
#include "pictures/layers_dots_mesh.h"
#include "pictures/layers_edges_bricks.h"
#include "pictures/layers_gradients.h"
#include "pictures/layers_shapes_dots.h"
#include "pictures/layers_strokes_tiles.h"
#include "pictures/picture_state.h"
#include "pictures/recipe_args.h"

namespace pictures {

namespace {

using core::rnd_range;

}  // namespace

void gen_kind(double& kind) {
    switch (core::round_to<int>(kind)) {
        case 1: gen_kind1(); break;
        case 2: gen_kind2(); break;
        case 3: gen_kind3(); break;
        case 4: gen_kind4(); break;
        case 5: gen_kind5(); break;
        case 6: gen_kind6(); break;
        case 7: gen_kind7(); break;
        case 8: gen_kind8(); break;
        case 9: gen_kind9(); break;
        case 10: gen_kind10(); break;
        case 11: gen_kind11(); break;
        case 12: gen_kind12(); break;
        default: break;
    }
}

void gen_kind1() {
    const int s = rnd_range(1, 2);
    double w = rnd_range(30, 20);
    double h = rnd_range(20, 20);
    discard(4, 4);
    if (s == 1) gen_dots(c(-1), c(-1), c(30), c(30), c(80));
    if (s == 2) gen_tiles(w, h, c(-1), c(0), c(0), c(80));
    if (s == 3) gen_gradient_stripes(c(-1), c(-1), c(-1), c(0), c(0), c(-1), c(0), c(0));
    const int t = rnd_range(1, 1);
    double n = rnd_range(1, 1);
    if (s == 3) n = 2;
    if (t == 1) gen_shape_grid(c(5), n, c(100), c(1), c(-2), c(0), c(0), c(1), c(130));
    if (t == 2) gen_shape_grid(c(2), n, c(100), c(0), c(-2), c(0), c(0), c(1), c(80));
}

void gen_kind2() {
    const int s = rnd_range(1, 2);
    double w = rnd_range(20, 10);
    double h = rnd_range(15, 8);
    double p = rnd_range(10, 6);
    double q = rnd_range(10, 6);
    discard(4, 4);
    if (s == 1) gen_dots(c(-1), c(-1), c(30), c(30), c(60));
    if (s == 2) gen_tiles(w, h, c(-1), c(0), c(0), c(60));
    if (s == 3) gen_gradient_boxes(p, q, c(-1), c(0), c(0), c(-2), c(0), c(0));
    const int t = rnd_range(1, 2);
    double n = rnd_range(2, 1);
    if (t == 1) repeat_arcs(c(10), c(7), c(80), c(70));
    if (t == 2) gen_shape_grid(c(3), n, c(100), c(1), c(-2), c(0), c(0), c(1), c(90));
    if (t == 3) gen_shape_grid(c(1), n, c(100), c(0), c(-2), c(0), c(0), c(1), c(80));
}

void gen_kind3() {
    const int s = rnd_range(1, 2);
    discard(30, 20);
    discard(20, 20);
    discard(4, 4);
    if (s == 1) gen_dots(c(-1), c(-1), c(30), c(30), c(90));
    if (s == 2) gen_frames(c(30), c(-3), c(0), c(0), c(90));
    if (s == 3) gen_crosses(c(60), c(-3), c(0), c(0), c(90));
    const int t = rnd_range(1, 1);
    discard(2, 1);
    if (t == 1) repeat_arcs(c(7), c(7), c(80), c(70));
    if (t == 2) gen_crosses(c(70), c(-1), c(0), c(0), c(90));
}

void gen_kind4() {
    const int s = rnd_range(1, 2);
    discard(15, 10);
    discard(12, 10);
    discard(4, 4);
    if (s == 1) gen_dots(c(80), c(-1), c(30), c(30), c(80));
    if (s == 2) gen_frames(c(30), c(-3), c(0), c(0), c(80));
    if (s == 3) gen_crosses(c(60), c(-3), c(0), c(0), c(80));
    const int t = rnd_range(1, 3);
    discard(2, 1);
    if (t == 1) gen_scribbles(c(30), c(-1), c(0), c(0), c(100));
    if (t == 2) gen_shape_grid(c(1), c(3), c(100), c(1), c(-2), c(0), c(0), c(0), c(50));
    if (t == 3) gen_crosses(c(70), c(-1), c(0), c(0), c(90));
    if (t == 4) gen_shape_grid(c(4), c(3), c(100), c(0), c(-2), c(0), c(0), c(2), c(50));
}

void gen_kind5() {
    const int s = rnd_range(1, 3);
    discard(18, 5);
    discard(15, 5);
    discard(4, 4);
    if (s == 1) gen_dots(c(80), c(-1), c(30), c(30), c(70));
    if (s == 2) gen_strokes(c(-1), c(-1), c(-1), c(-1), c(0), c(0), c(70));
    if (s == 3) gen_crosses(c(70), c(-3), c(0), c(0), c(70));
    if (s == 4) gen_tiles_offset(c(-1), c(80), c(-1), c(0), c(0), c(70));
    const int t = rnd_range(1, 3);
    discard(3, 1);
    if (t == 1) gen_shape_grid(c(1), c(3), c(100), c(1), c(-2), c(0), c(0), c(2), c(40));
    if (t == 2) gen_shape_grid(c(6), c(3), c(100), c(0), c(-2), c(0), c(0), c(2), c(50));
    if (t == 3) gen_crosses(c(70), c(-1), c(0), c(0), c(90));
    if (t == 4) gen_frames(c(50), c(-1), c(0), c(0), c(90));
}

void gen_kind6() {
    const int s = rnd_range(1, 3);
    discard(18, 5);
    discard(15, 5);
    double nx = rnd_range(12, 6);
    double ny = rnd_range(10, 6);
    discard(4, 4);
    if (s == 1) gen_mesh(nx, ny, c(-1), c(-1), c(0), c(0));
    if (s == 2) gen_strokes(c(-1), c(-1), c(-1), c(-1), c(0), c(0), c(70));
    if (s == 3) gen_crosses(c(70), c(-3), c(0), c(0), c(70));
    if (s == 4) gen_tiles_offset(c(-1), c(80), c(-1), c(0), c(0), c(40));
    const int t = rnd_range(1, 3);
    if (t == 1) gen_shape_grid(c(2), c(4), c(100), c(1), c(-2), c(0), c(0), c(2), c(60));
    if (t == 2) gen_shape_grid(c(8), c(4), c(100), c(0), c(-2), c(0), c(0), c(2), c(60));
    if (t == 3) gen_crosses(c(70), c(-1), c(0), c(0), c(90));
    if (t == 4) gen_frames(c(50), c(-1), c(0), c(0), c(90));
}

void gen_kind7() {
    const int s = rnd_range(1, 2);
    discard(18, 5);
    discard(15, 5);
    double nx = rnd_range(12, 6);
    double ny = rnd_range(10, 6);
    discard(4, 4);
    if (s == 1) gen_mesh(nx, ny, c(-1), c(-1), c(0), c(0));
    if (s == 2) gen_strokes(c(-1), c(-1), c(-1), c(-1), c(0), c(0), c(70));
    if (s == 3) gen_tiles_offset(c(-1), c(80), c(-1), c(0), c(0), c(40));
    const int t = rnd_range(1, 3);
    if (t == 1) gen_shape_grid(c(2), c(4), c(100), c(0), c(-2), c(0), c(0), c(2), c(60));
    if (t == 2) gen_shape_grid(c(1), c(3), c(100), c(1), c(-2), c(0), c(0), c(2), c(40));
    if (t == 3) gen_crosses(c(70), c(-1), c(0), c(0), c(90));
    if (t == 4) gen_frames(c(50), c(-1), c(0), c(0), c(90));
}

void gen_kind8() {
    const int s = rnd_range(1, 2);
    discard(18, 5);
    discard(15, 5);
    double nx = rnd_range(12, 6);
    double ny = rnd_range(10, 6);
    discard(4, 4);
    if (s == 1) gen_mesh(nx, ny, c(-1), c(-1), c(0), c(0));
    if (s == 2) gen_strokes(c(-1), c(-1), c(-1), c(-1), c(0), c(0), c(60));
    if (s == 3) gen_tiles_offset(c(-1), c(80), c(-1), c(0), c(0), c(50));
    const int t = rnd_range(1, 3);
    if (t == 1) gen_shape_grid(c(4), c(5), c(80), c(0), c(-2), c(0), c(0), c(1), c(100));
    if (t == 2) gen_shape_grid(c(2), c(5), c(80), c(1), c(-2), c(0), c(0), c(2), c(50));
    if (t == 3) gen_shape_grid(c(1), c(5), c(80), c(1), c(-2), c(0), c(0), c(2), c(70));
    if (t == 4) {
        const PictureState& p = picture_state();
        gen_shape_tiles(c(255 - p.bg_r), c(255 - p.bg_g), c(255 - p.bg_b), c(60));
    }
}

void gen_kind9() {
    const int s = rnd_range(1, 4);
    discard(18, 5);
    discard(15, 5);
    discard(4, 4);
    double w = rnd_range(10, 10);
    if (s == 1) gen_dots(c(150), c(-1), c(0), c(0), c(100));
    if (s == 2) gen_boxes(c(150), c(-1), c(0), c(0), c(100));
    if (s == 3) gen_crosses(c(150), c(-3), c(0), c(0), c(100));
    if (s == 4) gen_strokes(w, c(-1), c(-1), c(-1), c(0), c(0), c(100));
    if (s == 5) {
        const int size = rnd_range(20, 10);
        gen_tiles_offset(c(size), c(70), c(-1), c(0), c(0), c(70));
    }
}

void gen_kind10() { paint_kind10_plan({95, 70, 70, 80}); }

void paint_kind10_plan(const Kind10Constants& k) {
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
    if (s == 1 || s == 2) gen_shape_grid(c(2), c(6), c(k.grid_percent), c(0), c(-1), c(0), c(0), c(0), c(100));
    if (s == 3) gen_mesh(nx, ny, c(-1), c(-1), c(0), c(0));
    if (s == 4) {
        gen_dots(c(50), c(-1), c(0), c(0), c(k.dots_spread));
        gen_crosses(c(140), r, g, b, c(k.crosses_spread));
    }
    if (s == 5) gen_strokes(w, c(-1), c(-1), c(-1), c(0), c(0), c(k.strokes_spread));
    if (s == 6) {
        gen_dots(c(50), c(-1), c(0), c(0), c(70));
        for (int i = 0; i < 3; ++i) gen_edge_lines(c(24), c(5), r, g, b, c(80));
    }
}

void gen_kind11() {
    discard(4, 4);
    double w = rnd_range(6, 7);
    double nx = rnd_range(16, 5);
    double ny = rnd_range(12, 5);
    double r = rnd_range(40, 200);
    double g = rnd_range(40, 200);
    double b = rnd_range(40, 200);
    const int s = rnd_range(1, 4);
    if (s == 1) {
        gen_dots(c(50), c(-1), c(0), c(0), c(50));
        for (int i = 0; i < 5; ++i) {
            r = rnd_range(40, 200);
            g = rnd_range(40, 200);
            b = rnd_range(40, 200);
            gen_edge_lines(c(20), c(3), r, g, b, c(100));
        }
    }
    if (s == 2) gen_dots(c(350), r, g, b, c(40));
    if (s == 3) gen_strokes(w, c(-1), c(-1), c(-1), c(0), c(0), c(50));
    if (s == 4) gen_mesh(nx, ny, c(4), r, g, b);
    if (s == 5) {
        gen_tiles(c(-1), c(-1), r, g, b, c(50));
        gen_arcs(c(60), c(r + 20), c(g + 20), c(b + 20), c(70), c(50));
    }
}

void gen_kind12() {
    discard(4, 4);
    double w = rnd_range(6, 7);
    double nx = rnd_range(16, 5);
    double ny = rnd_range(12, 5);
    const int s = rnd_range(1, 3);
    if (s == 1) gen_dots(c(70), c(-1), c(0), c(0), c(70));
    if (s == 2) gen_strokes(w, c(-1), c(-1), c(-1), c(0), c(0), c(67));
    if (s == 3) gen_mesh(nx, ny, c(4), c(-1), c(0), c(0));
    if (s == 4) gen_tiles_offset(c(-1), c(50), c(-1), c(0), c(0), c(50));
    const int t = rnd_range(1, 2);
    if (t == 1) gen_shape_grid(c(3), c(7), c(95), c(0), c(-2), c(0), c(0), c(0), c(50));
    if (t == 2) gen_shape_grid(c(1), c(6), c(90), c(1), c(-2), c(0), c(0), c(2), c(50));
    if (t == 3) {
        double r = 0, g = 0, b = 0;
        for (int i = 0; i < 4; ++i) {
            r = rnd_range(80, 150);
            g = rnd_range(80, 150);
            b = rnd_range(80, 150);
            gen_edge_lines(c(20), c(3), r, g, b, c(80));
        }
        gen_arcs(c(40), r, g, b, c(80), c(40));
    }
}

}  // namespace pictures
