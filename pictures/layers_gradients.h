// Layer generators of the work picture coloured from the shared colour list: boxes and stripes.
#pragma once

namespace pictures {

// A chequerboard of (nx + 2) x (ny + 2) boxes covering the picture: one colour of each pair
// walks the ramp from colour 1 towards colour 2, the other walks back from a third colour.
// r1 = -1: colour 1 random and colour 2 near its complement (all six written back);
// nx, ny = -1: 15 to 20 (nx held to 1..74 so the list fits, ny to at least 1). Leaves the pen
// width and the last background as they were.
void gen_gradient_boxes(double& nx, double& ny, double& r1, double& g1, double& b1, double& r2,
                        double& g2, double& b2);

// Fifty diagonal stripes 11 wide covering the picture, neighbours from opposite ends of the
// colour list. dir 1: from the left edge up to the top, 2: down to the bottom, anything else:
// no stripes. w always becomes 11 (written back); dir = -1: 1 or 2; r1 = -1: both colours
// random. Records a background just above colour 1 without painting it; leaves the pen
// width at 11.
void gen_gradient_stripes(double& w, double& dir, double& r1, double& g1, double& b1, double& r2,
                          double& g2, double& b2);

}  // namespace pictures
