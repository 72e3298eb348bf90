// Layers that follow a walk or a grid: a bouncing edge-to-edge polyline, offset tiles, bricks.
#pragma once

namespace pictures {

// One polyline of round(count) lines from (0, 160) to the top, right, bottom and left edges in
// turn, each line base + spread in colour. r = -1 draws a base colour, width = -1 a width of 2
// to 9 and count <= 0 means 100, all written back. Paints over what is there and leaves the pen
// at round(width).
void gen_edge_lines(double& count, double& width, double& r, double& g, double& b, double& spread);

// A new background in the base colour covered with rows of 2 x size by size tiles, every other
// row shifted by half a tile, each present with a chance of density percent. size = -1 draws 15
// to 25, r = -1 a base colour, density <= 0 a density of 20 to 40, all written back.
void gen_tiles_offset(double& size, double& density, double& r, double& g, double& b,
                      double& spread);

// A wall of size x size/2 bricks with a light top and right edge and a dark bottom and left
// edge, each present with a chance of density percent. size = -1 draws 30 to 40 and r = -1 a
// base colour, both written back. Paints over what is there with the pen width in force.
void gen_bricks(double& density, double& size, double& r, double& g, double& b);

}  // namespace pictures
