// Layers of filled boxes, thick-bordered frames and diagonal crosses scattered over the work picture.
#pragma once

namespace pictures {

// count filled boxes of 20 to 60 pixels a side around a base colour. Defaults (written back):
// count < 0: 80, spread < 0: 30. r = -1 draws a random base colour (each channel 30 to
// 255 - spread, written back) and paints it as the new background; any other r draws straight
// over the picture. Leaves the pen width at 1.
void gen_boxes(double& count, double& r, double& g, double& b, double& spread);

// count outlined boxes of 40 to 120 pixels a side with borders 3 to 13 wide. Defaults
// (written back): count < 0: 80, spread < 0: 30. Base colour, written back: r = -3 a random
// colour (0 to 255 - spread) painted as the new background, r = -1 a random colour over the
// picture, r = -2 the last background. Leaves the pen width at 1.
void gen_frames(double& count, double& r, double& g, double& b, double& spread);

// count diagonal crosses of 6 to 40 pixels; count < 0: 100, everything else as gen_frames.
void gen_crosses(double& count, double& r, double& g, double& b, double& spread);

}  // namespace pictures
