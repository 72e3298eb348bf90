// Layer generators of the work picture: the habits they share, the dot field and the mesh.
#pragma once

#include "platform/colour.h"

namespace platform {
class Surface;
}

namespace pictures {

// Every generator takes its arguments by reference: a default, a random colour or a clamped
// value replacing an argument is written back, so the caller holds what was used.

// A background in the base colour covered with round dots of random size and colour.
// count < 0: 80; spread < 0: 30; r = -1: a random base colour (each channel 30 to 255 - spread).
// Records the base colour as the last background; leaves the pen width at 1.
void gen_dots(double& count, double& r, double& g, double& b, double& spread);

// A filled picture crossed by a jittered mesh of thick lines, one colour 20 to 45 above the
// other and either of them the background. nx, ny = -1: 12 (others held to 1..29);
// draw_width = -1: round(nx / 2); r = -1: a random base colour (30 to 230 per channel).
// Paints its own background without recording it; leaves the pen width at 1.
void gen_mesh(double& nx, double& ny, double& draw_width, double& r, double& g, double& b);

// What the layers share.

// The surface every layer paints on: the work picture, or a scratch picture of the same size
// while there is no main window, so that the draws and write-backs stay the same.
platform::Surface& layer_surface();
// round(r' x c) for one direct draw r' of the shared sequence, the product in single precision
// as in rnd_range: 0 to c, both ends half as likely.
int rnd_scaled(int c);
// A base colour with a random amount of 0 to spread added to each channel: three draws, red,
// green, blue.
platform::Colour spread_colour(double r, double g, double b, double spread);

}  // namespace pictures
