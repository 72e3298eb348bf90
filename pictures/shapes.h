// The shape library: small vector figures read from "shapes.txt" and drawn scaled or turned.
#pragma once

#include <cstdint>
#include <string>

#include "platform/colour.h"

namespace platform {
class Surface;
}

namespace pictures {

// Reads "shapes.txt" from the data folder into the shape tables of pictures::picture_state(). The
// library ends at "[END]", at a shape named "[END]" (kept), or at the end of the file. A shape
// that would not fit the tables (a 101st shape, points past slot 1000), that holds a numeric
// field that is not a number in -32768..32767 (fractions round half to even), or that is cut
// off by the end of the file ends the library before it: the shapes read so far are kept. A
// missing file gives no shapes.
void load_shapes();

// Draws shape shape_no at (x, y) onto the surface. Like every picture routine it takes its
// numbers by reference and writes back what it replaced: shape_no -1 becomes a picked shape,
// a scale of 0 becomes 1, orient -1 becomes 0 or 1 (a random draw). draw_width > 0 sets the
// pen width. orient 1 swaps the axes before scaling. A shape number outside 1..shape_count
// draws nothing (the write-backs and the pen width still happen).
void draw_shape(platform::Surface& surface, std::int16_t& shape_no, double& x, double& y,
                platform::Colour& colour, double& scale_x, double& scale_y, double& draw_width,
                std::int16_t& orient);

// draw_shape onto the work picture (the board's pbox_temp); nothing when it is not there yet.
void draw_shape_temp(std::int16_t& shape_no, double& x, double& y, platform::Colour& colour,
                     double& scale_x, double& scale_y, double& draw_width, std::int16_t& orient);

// A random shape whose upper-cased name contains the upper-cased filter; the empty filter
// takes any shape with a name. Makes at most 501 draws; when it needed 500 or more (or no
// shape matches, or the library is empty) it returns 1.
std::int16_t pick_shape(std::string& filter);

}  // namespace pictures
