// Making blank stored pictures.
#include "platform/picture.h"

#include <algorithm>

namespace platform {

Picture make_picture(int w, int h, Colour fill) {
    Picture pic(std::max(w, 0), std::max(h, 0), QImage::Format_RGB32);
    if (!pic.isNull()) pic.fill(to_qrgb(fill));
    return pic;
}

}  // namespace platform
