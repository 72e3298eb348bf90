// A stored picture: an opaque 32-bit image, the currency of picture boxes, grids and images.
#pragma once

#include <QImage>

#include "platform/colour.h"

namespace platform {

using Picture = QImage;

// A blank opaque picture of the given size in one colour.
Picture make_picture(int w, int h, Colour fill = kBlack);

}  // namespace platform
