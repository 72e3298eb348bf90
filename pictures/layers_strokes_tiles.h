// Layer generators of the work picture: rows or columns of thick dashes, and a grid of tiles.
#pragma once

namespace pictures {

// Rows (dir 0) or columns (any other dir) of dashes step apart, pen width w, on a background
// of the base colour. w <= 2: 6 to 16; step = -1 (or one that rounds to 0): 2w; dir = -1: 0 or
// 1; spread = -1: 40; r = -1: a random base colour (30 to 230 per channel). A negative step
// draws no lines. Records the base colour as the last background; leaves the pen width at 1.
void gen_strokes(double& step, double& w, double& dir, double& r, double& g, double& b,
                 double& spread);

// Abutting filled w x h tiles, each the base colour plus a spread, column by column from the
// left. w, h <= 0 (or sizes that round to 0): 10 to 30; spread < 0: 30; r = -1: a random base
// colour (0 to 255 - spread per channel). Records the base colour as the last background;
// leaves the pen width as it was.
void gen_tiles(double& w, double& h, double& r, double& g, double& b, double& spread);

}  // namespace pictures
