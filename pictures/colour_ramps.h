// The shared colour list with its ramps, the background fill of the work picture and the
// round's glow colours.
#pragma once

namespace pictures {

// Appends steps colours from (r1, g1, b1) towards (r2, g2, b2) to the colour list (append 0
// empties it first). The end colour itself is not added.
void make_gradient(double steps, double append, double r1, double g1, double b1, double r2,
                   double g2, double b2);
// A further ramp that starts where the last one ended.
void continue_gradient(double steps, double r, double g, double b);
// Paints the whole work picture one colour and records it as the last background; r = -1
// draws a random colour, written back.
void fill_background(double& r, double& g, double& b);
// The glow colours of the cells found in the coming round, from a ramp towards a random colour.
void make_round_colours();

constexpr int kMaxGradColors = 150;

}  // namespace pictures
