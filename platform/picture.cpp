// Making blank stored pictures and reading picture files.
#include "platform/picture.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>

#include "platform/regular_file.h"

namespace platform {

namespace {

// Far beyond any picture the game shows, even uncompressed.
constexpr std::size_t kMaxPictureFileBytes = 64u * 1024u * 1024u;

}  // namespace

Picture make_picture(int w, int h, Colour fill) {
    Picture pic(std::max(w, 0), std::max(h, 0), QImage::Format_RGB32);
    if (!pic.isNull()) pic.fill(to_qrgb(fill));
    return pic;
}

Picture load_picture(const std::string& path) {
    // Read by hand rather than by the image reader, which would open a pipe put in the
    // picture's place and wait on it for good.
    std::string bytes, why;
    if (!read_regular_file(path, kMaxPictureFileBytes, bytes, why)) return Picture();
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    QImageReader reader(&buffer);
    // A hostile header could ask for a huge image; no picture of the game comes near this.
    reader.setAllocationLimit(64);
    QImage img = reader.read();
    if (img.isNull()) return Picture();
    return img.convertToFormat(QImage::Format_RGB32);
}

}  // namespace platform
