// A drawing surface: an image with a pen width and a current point that persist between calls.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/colour.h"
#include "platform/picture.h"

namespace platform {

// What a surface was asked to draw, for tests that check geometry without pixels.
struct Primitive {
    enum class Kind { Point, Line, Box, FilledBox, Arc, Clear, Blit };
    Kind kind;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Arc: centre in x1, y1; Blit: target corners
    Colour colour = 0;
    int pen = 1;
    double radius = 0, start = 0, end = 0, aspect = 1;  // Arc only
};

enum class RasterOp { Copy, And, Paint };  // plain copy, AND (masks), OR (sprites)

class Surface {
public:
    // A transparent surface starts see-through and reads -1 where nothing was drawn; it serves
    // as the transient layer of a picture box. A surface gets its pixels when it is first drawn
    // on or its image is asked for: until then it is all one colour and costs no memory.
    explicit Surface(int w = 0, int h = 0, Colour back = kWhite, bool transparent = false);
    ~Surface();
    Surface(const Surface& other);
    Surface& operator=(const Surface& other);

    int width() const;
    int height() const;
    // Keeps what lies inside both sizes; new area takes the back colour.
    void resize(int w, int h);

    Colour back_colour() const { return back_; }
    void set_back_colour(Colour c) { back_ = c; }
    // Fills the whole surface with the back colour (or transparency) and resets the current
    // point to (0, 0).
    void clear();

    int pen_width() const { return pen_; }
    void set_pen_width(int w);  // below 1 counts as 1, above 1024 as 1024
    double current_x() const { return cur_x_; }
    double current_y() const { return cur_y_; }
    void set_current(double x, double y);

    // A round dot of the pen width centred on (x, y); (x, y) becomes the current point.
    void point(double x, double y, Colour c);
    void point_relative(double dx, double dy, Colour c);
    // Includes both end pixels; round caps for wide pens. The end becomes the current point.
    void line(double x1, double y1, double x2, double y2, Colour c);
    void line_to(double x2, double y2, Colour c);
    // Both corners included; an outline uses the pen width. (x2, y2) becomes the current point.
    void box(double x1, double y1, double x2, double y2, Colour c, bool filled);
    // Arc of an ellipse, angles in radians counter-clockwise from the right (y grows down on
    // screen, so counter-clockwise as seen). aspect = vertical / horizontal radius; radius is
    // the larger of the two. Equal start and end angles draw the whole ellipse. The centre
    // becomes the current point.
    void arc(double cx, double cy, double radius, Colour c, double start, double end, double aspect);
    void circle(double cx, double cy, double radius, Colour c, double aspect = 1.0);

    // The colour at (x, y), or -1 outside the surface (and on an undrawn transparent pixel).
    Colour pixel(int x, int y) const;
    void set_pixel(int x, int y, Colour c);
    bool is_transparent() const { return transparent_; }

    // The image as drawn so far.
    const Picture& image() const;
    // Replaces the content with a picture at (0, 0), keeping the surface size; the area the
    // picture does not cover takes the back colour.
    void draw_picture(const Picture& pic, int x = 0, int y = 0);
    // Replaces the surface by the picture, size included.
    void assign(const Picture& pic);

    // Rectangle copy; clips against both surfaces, so negative or far-off positions are safe.
    void blit(int dx, int dy, int w, int h, const Surface& src, int sx, int sy,
              RasterOp op = RasterOp::Copy);
    void blit(int dx, int dy, int w, int h, const Picture& src, int sx, int sy,
              RasterOp op = RasterOp::Copy);

    // Tests pass a list to record every primitive; nullptr stops recording.
    void set_recorder(std::vector<Primitive>* rec) { rec_ = rec; }

private:
    // Everything is drawn straight into the image bits rather than through a QPainter: Qt's
    // aliased pens leave out the last pixel of thin lines and draw small round dots as
    // lopsided squares, and even one painter kept open cost several times our own rasteriser.
    struct Raster;
    Raster raster(Colour c);
    void stamp(const Raster& r, long long x, long long y);
    void copy_rect(int dx, int dy, int w, int h, const Picture& src, int sx, int sy, RasterOp op);
    void record(const Primitive& p);
    // Whether it is still all one colour, never drawn on: then plain_colour() is that colour,
    // or -1 on a see-through surface.
    bool plain() const { return img_.isNull() && plain_w_ > 0 && plain_h_ > 0; }
    Colour plain_colour() const;
    // Every surface keeps its pixels in one format: see-through ones premultiplied.
    QImage::Format pixel_format() const {
        return transparent_ ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    }
    // Gives a plain surface its pixels; false when it has none to give (no area).
    bool allocate() const;
    // Makes it plain at this size, in the colour it was; false for a size too large to wait.
    bool make_plain(int w, int h);

    // Null while the surface is plain, or when it has no area.
    mutable Picture img_;
    // A plain surface's size and colour; the size is 0 x 0 once it has pixels.
    mutable int plain_w_ = 0, plain_h_ = 0;
    Colour plain_fill_ = kWhite;
    Colour back_;
    bool transparent_;
    int pen_ = 1;
    double cur_x_ = 0, cur_y_ = 0;
    std::vector<Primitive>* rec_ = nullptr;
    // Rows of a dot of a pen too wide for the shared table: {dy, first dx, last dx}.
    std::vector<std::array<int, 3>> dot_;
    int dot_pen_ = 0;
};

}  // namespace platform
