// Layers that place figures: a shadowed shape grid, two-shape tiles, the dot picture, arc repeats.
#pragma once

#include <cstdint>

namespace pictures {

// Library shapes on a grid of round(420 / div) cells, each with a drop shadow a shade darker
// than the base: kinds different shapes (1 to 10), percent = chance of a shape per cell, turn = 1
// turns shapes at random, mode 1 gives each shape a random colour, mode 2 base + spread, any
// other one random colour for all. r = -1 draws a base (written back) and paints it as the
// background; r = -2 takes the last background, each channel at least 20 (written back), and
// paints nothing; any other r paints itself. g is then written back as 6, the green the shapes
// of mode 2 are built on.
void gen_shape_grid(double& kinds, double& div, double& percent, double& turn, double& r,
                    double& g, double& b, double& mode, double& spread);

// Two different library shapes alternating at random on a 7 x 5 lattice, base + spread in
// colour; a library with fewer than two named shapes gives the one shape at every point.
void gen_shape_tiles(double& r, double& g, double& b, double& spread);

// One of the 82 object icons, picked by rnd_0_81, enlarged as a mosaic of big dots over a new
// background in the base colour; the icon's pink and light-yellow marker pixels take base +
// spread. r = -1 draws the base, written back. The icon stays loaded in pbox_temp2.
void gen_dot_picture(double& r, double& g, double& b, double& spread);

// round(n) arc layers (gen_arcs), each with its own random base colour. count, spread and size
// reach every layer by reference, so the arc layer's defaults are written back to the caller.
void repeat_arcs(double& n, double& count, double& spread, double& size);

// 0 to 81, the two ends half as likely: which object icon the dot picture shows.
std::int16_t rnd_0_81();

}  // namespace pictures
