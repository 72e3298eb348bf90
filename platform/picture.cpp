// Making blank stored pictures.
#include "platform/picture.h"

#include <QImageReader>

#include <algorithm>

namespace platform {

Picture make_picture(int w, int h, Colour fill) {
    Picture pic(std::max(w, 0), std::max(h, 0), QImage::Format_RGB32);
    if (!pic.isNull()) pic.fill(to_qrgb(fill));
    return pic;
}

Picture load_picture(const std::string& path) {
    QImageReader reader(QString::fromStdString(path));
    // A hostile header could ask for a huge image; no picture of the game comes near this.
    reader.setAllocationLimit(64);
    QImage img = reader.read();
    if (img.isNull()) return Picture();
    return img.convertToFormat(QImage::Format_RGB32);
}

}  // namespace platform
