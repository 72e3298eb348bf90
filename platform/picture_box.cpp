// Canvases with their two layers, picture boxes that draw and hold controls, and windows.
#include "platform/picture_box.h"

#include "platform/direct_paint.h"
#include "platform/qt_glue.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

namespace platform {

namespace {

// Clips a copy of w x h pixels from (sx, sy) of a source to (dx, dy) of a destination against
// both; wide arithmetic so that positions far off either side cannot overflow.
bool clip_copy(int& dx, int& dy, int& w, int& h, int& sx, int& sy, int dst_w, int dst_h, int src_w,
               int src_h) {
    long long x = dx, y = dy, cw = w, ch = h, fx = sx, fy = sy;
    if (cw <= 0 || ch <= 0) return false;
    if (fx < 0) { x -= fx; cw += fx; fx = 0; }
    if (fy < 0) { y -= fy; ch += fy; fy = 0; }
    if (x < 0) { fx -= x; cw += x; x = 0; }
    if (y < 0) { fy -= y; ch += y; y = 0; }
    cw = std::min({cw, static_cast<long long>(src_w) - fx, static_cast<long long>(dst_w) - x});
    ch = std::min({ch, static_cast<long long>(src_h) - fy, static_cast<long long>(dst_h) - y});
    if (cw <= 0 || ch <= 0) return false;
    dx = static_cast<int>(x);
    dy = static_cast<int>(y);
    sx = static_cast<int>(fx);
    sy = static_cast<int>(fy);
    w = static_cast<int>(cw);
    h = static_cast<int>(ch);
    return true;
}

// A row of layer pixels over a row of the image, written to out in one pass. A layer is mostly
// wholly see-through or wholly opaque, so where it covers four pixels wholly or not at all, one
// of the two rows is copied as it is.
void compose_row(std::uint32_t* out, const std::uint32_t* image, const std::uint32_t* layer, int n) {
    int x = 0;
    for (; x + 4 <= n; x += 4) {
        const std::uint32_t a = layer[x], b = layer[x + 1], c = layer[x + 2], d = layer[x + 3];
        if ((a | b | c | d) == 0) {
            std::memcpy(out + x, image + x, 16);
        } else if ((a & b & c & d) >> 24 == 255) {
            std::memcpy(out + x, layer + x, 16);
        } else {
            for (int i = 0; i < 4; ++i) out[x + i] = direct::source_over(layer[x + i], image[x + i]);
        }
    }
    for (; x < n; ++x) out[x] = direct::source_over(layer[x], image[x]);
}

}  // namespace

// ---- Canvas --------------------------------------------------------------------------------

// The transient layer gets its pixels when first drawn on: most boxes never use it, and
// allocating and clearing one for each at start-up cost the first screen milliseconds. Until
// then it is empty, which reads as see-through everywhere, as a cleared one does.
Canvas::Canvas(int w, int h, Colour back)
    : image_(std::max(0, w), std::max(0, h), back, false), transient_(0, 0, back, true), back_(back) {}

Surface& Canvas::transient_in_use(const QRect& area) {
    transient_used_ = true;
    transient_area_ |= area;
    if (transient_.width() != image_.width() || transient_.height() != image_.height())
        transient_.resize(image_.width(), image_.height());
    return transient_;
}

void Canvas::changed() {
    if (on_changed) on_changed();
}

void Canvas::changed(int x, int y, int w, int h) {
    if (w <= 0 || h <= 0) return;
    if (on_area_changed)
        on_area_changed(x, y, w, h);
    else
        changed();
}

// Pen width and current point belong to the box, not to a layer: the layer taking over
// drawing inherits them.
void Canvas::set_auto_redraw(bool on) {
    if (on == auto_redraw_) return;
    Surface& from = auto_redraw_ ? image_ : transient_;
    Surface& to = auto_redraw_ ? transient_ : image_;
    to.set_pen_width(from.pen_width());
    to.set_current(from.current_x(), from.current_y());
    auto_redraw_ = on;
    if (on) drop_transient();
    changed();
}

Surface& Canvas::draw() {
    changed();
    if (auto_redraw_) return image_;
    return transient_in_use(QRect(0, 0, image_.width(), image_.height()));
}

void Canvas::drop_transient() {
    if (!transient_used_) return;
    const double x = transient_.current_x(), y = transient_.current_y();
    transient_.clear();
    transient_.set_current(x, y);
    transient_used_ = false;
    transient_area_ = QRect();
}

Colour Canvas::pixel(int x, int y) const {
    if (transient_used_) {
        const Colour t = transient_.pixel(x, y);
        if (t != -1) return t;
    }
    return image_.pixel(x, y);
}

Picture Canvas::snapshot() const {
    Picture out = image_.image().convertToFormat(QImage::Format_RGB32);
    if (transient_used_ && !out.isNull()) {
        QPainter p(&out);
        p.drawImage(0, 0, transient_.image());
    }
    return out;
}

Picture Canvas::composed_region(int x, int y, int w, int h) const {
    Picture out = image_.image().copy(x, y, w, h).convertToFormat(QImage::Format_RGB32);
    if (!transient_used_ || out.isNull()) return out;
    const QImage& layer = transient_.image();  // see-through surfaces are premultiplied
    // Only where something was drawn on the layer; the arithmetic is the painter's.
    const QRect over = QRect(x, y, out.width(), out.height()) & transient_area_ & layer.rect();
    const QImage& image = image_.image();  // plain 32-bit, as the copy above
    for (int sy = over.top(); sy <= over.bottom(); ++sy) {
        compose_row(reinterpret_cast<std::uint32_t*>(out.scanLine(sy - y)) + (over.x() - x),
                    reinterpret_cast<const std::uint32_t*>(image.constScanLine(sy)) + over.x(),
                    reinterpret_cast<const std::uint32_t*>(layer.constScanLine(sy)) + over.x(), over.width());
    }
    return out;
}

void Canvas::paint_layers(QPainter& p) const {
    paint_layers(p, QRegion(0, 0, image_.width(), image_.height()));
}

// Copies the layers' pixels in region straight into the image the painter paints on, when
// that gives what the painter would. Through the painter every rectangle of a repaint costs a
// clip set up over the whole window's height and a draw for each layer, several times the
// copy itself for the few pixels an animation frame changes. False when the painter must do it.
bool Canvas::copy_layers(QPainter& p, const QRegion& region) const {
    // The image is plain 32-bit, as every opaque surface; a layer in use has its size and, being
    // see-through, is premultiplied.
    const QImage& image = image_.image();
    const QImage* layer = transient_used_ ? &transient_.image() : nullptr;
    const std::optional<direct::Target> target = direct::target_of(p);
    if (!target) return false;
    const QPoint offset = target->offset;
    QImage& out_image = *target->image;
    const QRegion mine = region.translated(offset) & QRect(offset, image.size()) & target->allowed;
    for (const QRect& r : mine) {
        const QRect from = r.translated(-offset);
        // The layer holds pixels only where something was drawn on it since it was cleared.
        const QRect over = layer ? from & transient_area_ : QRect();
        for (int sy = from.top(); sy <= from.bottom(); ++sy) {
            // Indexed by the canvas's x, like the rows read.
            auto* out = reinterpret_cast<std::uint32_t*>(out_image.scanLine(sy + offset.y())) + offset.x();
            const auto* in = reinterpret_cast<const std::uint32_t*>(image.constScanLine(sy));
            if (sy < over.top() || sy > over.bottom()) {
                std::memcpy(out + from.x(), in + from.x(), static_cast<std::size_t>(from.width()) * 4);
                continue;
            }
            const auto* on = reinterpret_cast<const std::uint32_t*>(layer->constScanLine(sy));
            std::memcpy(out + from.x(), in + from.x(), static_cast<std::size_t>(over.x() - from.x()) * 4);
            compose_row(out + over.x(), in + over.x(), on + over.x(), over.width());
            std::memcpy(out + over.right() + 1, in + over.right() + 1,
                        static_cast<std::size_t>(from.right() - over.right()) * 4);
        }
    }
    return true;
}

// Through a clip of many rectangles Qt copies an image pixel run by pixel run, and hands the
// runs of a hundred rows or more to its thread pool: for the few pixels an animation frame
// repaints, waking the pool cost more than the copy. Clipped to one rectangle at a time, it
// copies whole rows at once.
void Canvas::paint_layers(QPainter& p, const QRegion& region) const {
    if (copy_layers(p, region)) return;
    const QRect whole(0, 0, image_.width(), image_.height());
    for (const QRect& r : region) {
        const QRect area = r.intersected(whole);
        if (area.isEmpty()) continue;
        p.setClipRect(area);
        p.drawImage(area.topLeft(), image_.image(), area);
        const QRect over = area & transient_area_;
        if (transient_used_ && !over.isEmpty()) p.drawImage(over.topLeft(), transient_.image(), over);
    }
    p.setClipping(false);
}

void Canvas::clear() {
    image_.clear();
    if (!picture_.isNull()) image_.draw_picture(picture_);
    if (transient_used_) {
        transient_.clear();
        transient_used_ = false;
        transient_area_ = QRect();
    } else {
        transient_.set_current(0, 0);
    }
    changed();
}

// Changing the back colour wipes everything drawn, as it did in the old toolkit.
void Canvas::set_back_colour(Colour c) {
    back_ = c;
    image_.set_back_colour(c);
    transient_.set_back_colour(c);
    clear();
}

void Canvas::set_picture(const Picture& p) {
    picture_ = p;
    const double x = image_.current_x(), y = image_.current_y();
    if (picture_.isNull())
        image_.clear();
    else
        image_.draw_picture(picture_);
    image_.set_current(x, y);
    drop_transient();
    changed();
}

void Canvas::resize_canvas(int w, int h) {
    w = std::max(0, w);
    h = std::max(0, h);
    const int old_w = image_.width(), old_h = image_.height();
    if (w == old_w && h == old_h) return;
    image_.resize(w, h);
    // The assigned picture lies under everything, so growing uncovers more of it.
    if (!picture_.isNull()) {
        if (w > old_w) image_.blit(old_w, 0, w - old_w, h, picture_, old_w, 0);
        if (h > old_h) image_.blit(0, old_h, std::min(w, old_w), h - old_h, picture_, 0, old_h);
    }
    if (transient_.width() > 0) transient_.resize(w, h);
    drop_transient();
    changed();
}

void Canvas::blit(int dx, int dy, int w, int h, const Canvas& src, int sx, int sy, RasterOp op) {
    if (!clip_copy(dx, dy, w, h, sx, sy, scale_width(), scale_height(), src.scale_width(),
                   src.scale_height()))
        return;
    // Copying within one canvas, or from one with a transient layer, goes through a composed
    // copy of the source rectangle; otherwise the image itself is the source.
    if (&src == this || src.transient_used_)
        blit_clipped(dx, dy, w, h, src.composed_region(sx, sy, w, h), 0, 0, op);
    else
        blit_clipped(dx, dy, w, h, src.image_.image(), sx, sy, op);
}

void Canvas::blit(int dx, int dy, int w, int h, const Picture& src, int sx, int sy, RasterOp op) {
    if (src.isNull()) return;
    if (!clip_copy(dx, dy, w, h, sx, sy, scale_width(), scale_height(), src.width(), src.height()))
        return;
    blit_clipped(dx, dy, w, h, src, sx, sy, op);
}

void Canvas::blit_clipped(int dx, int dy, int w, int h, const Picture& src, int sx, int sy,
                          RasterOp op) {
    if (auto_redraw_) {
        image_.blit(dx, dy, w, h, src, sx, sy, op);
        changed(dx, dy, w, h);
        return;
    }
    if (op == RasterOp::Copy) {
        transient_in_use(QRect(dx, dy, w, h)).blit(dx, dy, w, h, src, sx, sy, RasterOp::Copy);
        changed(dx, dy, w, h);
    } else {
        // A mask or sprite combines with what the box shows there, both layers. Only the
        // pixels it changes land in the transient layer; the rest stay see-through. Two
        // passes do that: AND clears the changed pixels to black and leaves the others
        // (white) alone; OR then sets them (a black OR source leaves a pixel alone).
        const Picture from = src.copy(sx, sy, w, h).convertToFormat(QImage::Format_RGB32);
        const Picture under = composed_region(dx, dy, w, h);
        Picture clear_changed(w, h, QImage::Format_RGB32);
        Picture set_changed(w, h, QImage::Format_RGB32);
        constexpr QRgb kBlack32 = 0xFF000000u, kWhite32 = 0xFFFFFFFFu;
        // Only the pixels the sprite changes need repainting.
        int left = w, top = h, right = -1, bottom = -1;
        for (int y = 0; y < h; ++y) {
            const auto* s = reinterpret_cast<const QRgb*>(from.constScanLine(y));
            const auto* d = reinterpret_cast<const QRgb*>(under.constScanLine(y));
            auto* c = reinterpret_cast<QRgb*>(clear_changed.scanLine(y));
            auto* v = reinterpret_cast<QRgb*>(set_changed.scanLine(y));
            for (int x = 0; x < w; ++x) {
                const QRgb r = kBlack32 | (op == RasterOp::And ? (d[x] & s[x]) : (d[x] | s[x]));
                const bool changes = r != (d[x] | kBlack32);
                c[x] = changes ? kBlack32 : kWhite32;
                v[x] = changes ? r : kBlack32;
                if (changes) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = y;
                }
            }
        }
        Surface& transient = transient_in_use(QRect(dx, dy, w, h));
        transient.blit(dx, dy, w, h, clear_changed, 0, 0, RasterOp::And);
        transient.blit(dx, dy, w, h, set_changed, 0, 0, RasterOp::Paint);
        changed(dx + left, dy + top, right - left + 1, bottom - top + 1);
    }
}

// ---- PictureBox ----------------------------------------------------------------------------

namespace {


using glue::PaintedWidget;

constexpr int kBorderWidth = 2;

int drawing_size(int outer, int border) {
    return std::max(0, outer - (border == PictureBox::kFixedSingle ? 2 * kBorderWidth : 0));
}

// The classic sunken edge: shadow outside, dark shadow inside on the top and left; highlight
// outside, light inside on the bottom and right.
void sunken_border(QPainter& p, int w, int h) {
    if (w < 2 || h < 2) return;
    auto frame = [&](int inset, QColor top_left, QColor bottom_right) {
        const int l = inset, t = inset, r = w - 1 - inset, b = h - 1 - inset;
        if (r < l || b < t) return;
        p.setPen(top_left);
        p.drawLine(l, t, r - 1, t);
        p.drawLine(l, t, l, b - 1);
        p.setPen(bottom_right);
        p.drawLine(l, b, r, b);
        p.drawLine(r, t, r, b);
    };
    frame(0, QColor(0x80, 0x80, 0x80), QColor(0xFF, 0xFF, 0xFF));
    frame(1, QColor(0x40, 0x40, 0x40), QColor(0xD4, 0xD0, 0xC8));
}

}  // namespace

PictureBox::PictureBox(Container* c, int x, int y, int w, int h, int border, Colour back)
    : Control(c, new PaintedWidget([this](QPainter& p) {
          if (border_ == kFixedSingle) sunken_border(p, width(), height());
      })),
      Canvas(drawing_size(w, border), drawing_size(h, border), back),
      border_(border == kFixedSingle ? kFixedSingle : kNoBorder),
      client_(nullptr) {
    if (QWidget* outer = widget()) {
        client_ = new PaintedWidget(
            [this](QPainter& p) { paint_layers(p, static_cast<PaintedWidget*>(client_)->painting()); },
            PaintedWidget::kWindowed, outer);
        client_->setAttribute(Qt::WA_OpaquePaintEvent);
        client_->setFocusPolicy(Qt::NoFocus);
        // The drawing area goes with the box when the box's own container takes it.
        QObject::connect(client_, &QObject::destroyed, [this] { client_ = nullptr; });
        route_mouse(client_);
        client_->show();
    }
    on_changed = [this] {
        if (client_) client_->update();
    };
    on_area_changed = [this](int ax, int ay, int aw, int ah) {
        if (client_) static_cast<PaintedWidget*>(client_)->update_within(QRect(ax, ay, aw, ah));
    };
    move(x, y, w, h);
}

PictureBox::~PictureBox() {
    on_changed = nullptr;
    on_area_changed = nullptr;
    if (client_) QObject::disconnect(client_, &QObject::destroyed, nullptr, nullptr);
}

void PictureBox::set_border_style(int b) {
    border_ = b == kFixedSingle ? kFixedSingle : kNoBorder;
    fit_canvas();
    if (widget()) widget()->update();
}

void PictureBox::set_width(int w) { Control::set_width(w); }
void PictureBox::set_height(int h) { Control::set_height(h); }

void PictureBox::resized() { fit_canvas(); }

void PictureBox::fit_canvas() {
    const int off = client_offset();
    const int cw = std::max(0, width() - 2 * off);
    const int ch = std::max(0, height() - 2 * off);
    if (client_) client_->setGeometry(off, off, cw, ch);
    resize_canvas(cw, ch);
}

QWidget* PictureBox::client_widget() const { return client_; }

bool PictureBox::takes_mouse() const {
    return enabled() && (!container() || container()->takes_mouse());
}

int PictureBox::client_offset() const { return border_ == kFixedSingle ? kBorderWidth : 0; }

void PictureBox::paint(QPainter& p) { paint_layers(p); }

}  // namespace platform
