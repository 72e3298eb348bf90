// Picture grids: cutting a stored picture into equal cells and a clip rectangle.
#include "platform/picture_clip.h"

#include <algorithm>

namespace platform {

PictureClip::PictureClip(const Picture& pic, int rows, int cols) { set_picture(pic, rows, cols); }

void PictureClip::set_picture(const Picture& pic, int rows, int cols) {
    pic_ = (pic.isNull() || pic.format() == QImage::Format_RGB32)
               ? pic
               : pic.convertToFormat(QImage::Format_RGB32);
    // A grid needs at least one row and one column.
    rows_ = std::max(rows, 1);
    cols_ = std::max(cols, 1);
}

int PictureClip::cell_width() const { return pic_.width() / cols_; }
int PictureClip::cell_height() const { return pic_.height() / rows_; }

Picture PictureClip::cell(int k) const {
    if (k < 0 || static_cast<long long>(k) >= static_cast<long long>(rows_) * cols_) return Picture();
    const int w = cell_width(), h = cell_height();
    if (w <= 0 || h <= 0) return Picture();
    // A grid of one cell is the picture itself, shared rather than copied.
    if (rows_ == 1 && cols_ == 1) return pic_;
    return pic_.copy((k % cols_) * w, (k / cols_) * h, w, h);
}

void PictureClip::set_clip(int x, int y, int w, int h) {
    clip_x_ = x;
    clip_y_ = y;
    clip_w_ = w;
    clip_h_ = h;
}

Picture PictureClip::clip() const {
    const long long left = std::max(0LL, static_cast<long long>(clip_x_));
    const long long top = std::max(0LL, static_cast<long long>(clip_y_));
    const long long right = std::min<long long>(pic_.width(), static_cast<long long>(clip_x_) + clip_w_);
    const long long bottom = std::min<long long>(pic_.height(), static_cast<long long>(clip_y_) + clip_h_);
    if (left >= right || top >= bottom) return Picture();
    return pic_.copy(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                     static_cast<int>(bottom - top));
}

}  // namespace platform
