// A stored picture: an opaque 32-bit image, the currency of picture boxes, grids and images.
#pragma once

#include <QImage>
#include <string>

#include "platform/colour.h"

namespace platform {

using Picture = QImage;

// A blank opaque picture of the given size in one colour.
Picture make_picture(int w, int h, Colour fill = kBlack);

// Reads a picture file (any format Qt reads) as an opaque picture; a missing, unreadable or
// damaged file gives an empty picture, and so does anything but a regular file (or a link to
// one): a pipe in the picture's place never makes the game wait.
Picture load_picture(const std::string& path);

}  // namespace platform
