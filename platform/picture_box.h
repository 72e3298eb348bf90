// Picture boxes and windows: drawing areas with a persistent image, a transient layer and children.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/control.h"
#include "platform/surface.h"

class QPainter;
class QRegion;
class QWidget;

namespace platform {

// The two drawing layers of a picture box or a window.
//
// With persistent drawing on, drawing goes to the image and the transient layer is dropped.
// With it off, drawing goes to the transient layer, which clearing, assigning a picture,
// resizing or switching persistence on drops. Reading a pixel or copying from the canvas sees
// both layers, whether shown or not.
class Canvas {
public:
    Canvas(int w, int h, Colour back);

    int scale_width() const { return image_.width(); }
    int scale_height() const { return image_.height(); }

    bool auto_redraw() const { return auto_redraw_; }
    void set_auto_redraw(bool on);

    // The layer drawing goes to now. Asks for a repaint.
    Surface& draw();

    // Composite of both layers; -1 outside.
    Colour pixel(int x, int y) const;
    // Both layers composed into one picture.
    Picture snapshot() const;

    // Clearing leaves the assigned picture (or the back colour) and drops everything drawn.
    void clear();
    Colour back_colour() const { return back_; }
    void set_back_colour(Colour c);

    // The assigned picture, drawn at (0, 0) under everything drawn later; an empty picture
    // leaves the back colour.
    const Picture& picture() const { return picture_; }
    void set_picture(const Picture& p);

    void resize_canvas(int w, int h);

    // Copies from any canvas (both layers) or picture into the layer drawing goes to now.
    void blit(int dx, int dy, int w, int h, const Canvas& src, int sx, int sy,
              RasterOp op = RasterOp::Copy);
    void blit(int dx, int dy, int w, int h, const Picture& src, int sx, int sy,
              RasterOp op = RasterOp::Copy);

    Surface& image_layer() { return image_; }
    const Surface& image_layer() const { return image_; }
    const Surface& transient_layer() const { return transient_; }

    // Called whenever what is shown changes.
    std::function<void()> on_changed;
    // When set, called instead of on_changed for a change that lies within a rectangle (a
    // copy, a sprite), so that only that much is repainted.
    std::function<void(int x, int y, int w, int h)> on_area_changed;

    // Paints what the canvas shows: the image, then the transient layer over it; with a
    // region, only that much of it.
    void paint_layers(QPainter& p) const;
    void paint_layers(QPainter& p, const QRegion& region) const;

private:
    bool copy_layers(QPainter& p, const QRegion& region) const;
    void changed();
    void changed(int x, int y, int w, int h);
    // The transient layer, given pixels if it has none yet, about to be drawn on in area.
    Surface& transient_in_use(const QRect& area);
    void drop_transient();
    // Both layers composed over a rectangle that lies inside the canvas.
    Picture composed_region(int x, int y, int w, int h) const;
    // Writes an already clipped rectangle of src into the layer drawing goes to now.
    void blit_clipped(int dx, int dy, int w, int h, const Picture& src, int sx, int sy, RasterOp op);
    Surface image_;
    Surface transient_;
    QRect transient_area_;  // where the transient layer may hold pixels: the rest is see-through
    Picture picture_;
    Colour back_;
    bool auto_redraw_ = false;
    bool transient_used_ = false;  // drawn on since it was last dropped
};

// A picture box: a control with a canvas that also contains other controls, clipped to it.
class PictureBox : public Control, public Container, public Canvas {
public:
    enum BorderStyle { kNoBorder = 0, kFixedSingle = 1 };

    // w and h are the outer size; a bordered box draws inside a 2-pixel sunken border.
    PictureBox(Container* c, int x, int y, int w, int h, int border = kFixedSingle,
               Colour back = rgb(0xC0, 0xC0, 0xC0));
    ~PictureBox() override;

    int border_style() const { return border_; }
    void set_border_style(int b);
    void set_width(int w) override;
    void set_height(int h) override;

    QWidget* client_widget() const override;
    bool takes_mouse() const override;

    void paint(class QPainter& p);

protected:
    int client_offset() const override;

private:
    void resized() override;
    void fit_canvas();
    int border_;
    QWidget* client_;
};

// A top-level window with a fixed client area, a canvas behind its controls, keys and close.
class Form : public Container, public Canvas {
public:
    Form(const std::string& caption, int client_w, int client_h, Colour back = kBlack);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    QWidget* widget() const;
    QWidget* client_widget() const override;
    bool takes_mouse() const override { return enabled_; }
    void set_enabled(bool e) { enabled_ = e; }

    const std::string& caption() const { return caption_; }
    void set_caption(const std::string& s);
    int client_width() const;
    int client_height() const;
    void set_client_size(int w, int h);
    void centre_on_screen();
    void centre_on(const Form& owner);

    void show();
    void hide();
    bool is_shown() const;

    // Shows the window modally over its owner, centred on it; returns when it is closed.
    // The window's keys and mouse work while the owner takes none.
    void show_modal(Form* owner);
    // Asks the window to close, as its close box would (on_query_unload may refuse).
    void close();
    // Tests replace the modal loop: the runner gets the window once it is shown and stands for
    // the player's whole visit; an empty runner restores the real loop.
    static void set_modal_runner(std::function<void(Form&)> runner);
    // The close box and the desktop's close keys; off for a window that must not be dismissed.
    void set_closable(bool c) { closable_ = c; }
    bool closable() const { return closable_; }

    // Keys reach the window first, whichever control the mouse last touched. key_code uses the
    // old virtual-key numbers (arrows 37..40, Enter 13, Space 32, Escape 27, letters upper case);
    // key_press gets the character typed.
    std::function<void(int key_code, int shift)> on_key_down;
    std::function<void(int ascii)> on_key_press;
    std::function<void(int key_code, int shift)> on_key_up;
    // A close request; setting cancel to non-zero keeps the window open.
    std::function<void(int16_t& cancel)> on_query_unload;

    std::function<void()> on_click;
    std::function<void(const MouseArgs&)> on_mouse_down;
    std::function<void(const MouseArgs&)> on_mouse_move;

    // Routed here by the window; tests call them to simulate input.
    void deliver_key_down(int key_code, int shift);
    void deliver_key_press(int ascii);
    bool deliver_close_request();  // true when the window may close

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::string caption_;
    bool enabled_ = true;
    bool closable_ = true;
};

}  // namespace platform
