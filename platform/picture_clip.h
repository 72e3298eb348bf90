// Picture grids: a stored picture cut into rows x columns of equal cells, plus a clip rectangle.
#pragma once

#include "platform/picture.h"

namespace platform {

class PictureClip {
public:
    PictureClip() = default;
    PictureClip(const Picture& pic, int rows, int cols);

    void set_picture(const Picture& pic, int rows, int cols);
    const Picture& picture() const { return pic_; }
    int rows() const { return rows_; }
    int cols() const { return cols_; }
    int cell_width() const;
    int cell_height() const;
    // Cell k counted row by row from 0; an index outside the grid gives an empty picture.
    Picture cell(int k) const;

    // The clip rectangle and the part of the picture it cuts out (clipped to the picture).
    void set_clip(int x, int y, int w, int h);
    Picture clip() const;

private:
    Picture pic_;
    int rows_ = 1, cols_ = 1;
    int clip_x_ = 0, clip_y_ = 0, clip_w_ = 0, clip_h_ = 0;
};

}  // namespace platform
