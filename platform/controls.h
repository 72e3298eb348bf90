// The simple controls: labels, shapes, lines, images, push buttons, a drop-down list, text boxes.
#pragma once

#include <string>
#include <vector>

#include "platform/colour.h"
#include "platform/control.h"
#include "platform/picture.h"

namespace platform {

struct FontDesc {
    std::string name = "Tahoma";
    double size = 8.0;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

enum Alignment { kAlignLeft = 0, kAlignRight = 1, kAlignCentre = 2 };

// The game writes line breaks as a bare CR, CR LF or LF; Qt wants LF alone.
std::string line_breaks_to_lf(const std::string& s);

// A caption with a transparent or opaque background. A bare CR (or CR LF, or LF) breaks the
// line; long lines wrap at word boundaries within the label's width.
class Label : public Control {
public:
    Label(Container* c, int x, int y, int w, int h, const std::string& caption = "");
    const std::string& caption() const { return caption_; }
    void set_caption(const std::string& s);
    Colour fore_colour() const { return fore_; }
    void set_fore_colour(Colour c);
    Colour back_colour() const { return back_; }
    void set_back_colour(Colour c);
    bool transparent() const { return transparent_; }
    void set_transparent(bool t);
    const FontDesc& font() const { return font_; }
    void set_font(const FontDesc& f);
    void set_font_size(double pt);
    void set_font_bold(bool b);
    int alignment() const { return align_; }
    void set_alignment(int a);
    void set_border(bool b);

    void paint(class QPainter& p);

private:
    std::string caption_;
    Colour fore_ = kBlack;
    Colour back_ = rgb(0xC0, 0xC0, 0xC0);
    bool transparent_ = false;
    FontDesc font_;
    int align_ = kAlignLeft;
    bool border_ = false;
};

// Rectangle, square, oval, circle, rounded rectangle, rounded square. Shapes take no mouse
// input: clicks fall through to whatever lies below.
class Shape : public Control {
public:
    enum Kind { kRectangle = 0, kSquare = 1, kOval = 2, kCircle = 3, kRoundedRectangle = 4,
                kRoundedSquare = 5 };
    enum FillStyle { kFillSolid = 0, kFillTransparent = 1, kFillDiagonalCross = 7 };
    // The old numbers. The broken styles draw only one pixel wide: a wider border is solid.
    enum BorderStyle { kBorderTransparent = 0, kBorderSolid = 1, kBorderDash = 2, kBorderDot = 3,
                       kBorderDashDot = 4, kBorderDashDotDot = 5, kBorderInsideSolid = 6 };

    Shape(Container* c, int x, int y, int w, int h, int kind = kRectangle);
    int kind() const { return kind_; }
    void set_kind(int k);
    Colour border_colour() const { return border_colour_; }
    void set_border_colour(Colour c);
    int border_width() const { return border_width_; }
    void set_border_width(int w);
    int border_style() const { return border_style_; }
    void set_border_style(int s);
    Colour fill_colour() const { return fill_colour_; }
    void set_fill_colour(Colour c);
    int fill_style() const { return fill_style_; }
    void set_fill_style(int s);
    // Back colour shows behind a hatch or as the fill when back style is opaque.
    Colour back_colour() const { return back_colour_; }
    void set_back_colour(Colour c);
    bool back_opaque() const { return back_opaque_; }
    void set_back_opaque(bool o);

    void paint(class QPainter& p);

private:
    int kind_;
    Colour border_colour_ = kBlack;
    int border_width_ = 1;
    int border_style_ = kBorderSolid;
    Colour fill_colour_ = kBlack;
    int fill_style_ = kFillTransparent;
    Colour back_colour_ = kWhite;
    bool back_opaque_ = false;
};

// A straight line between two points of its container; takes no mouse input.
class Line : public Control {
public:
    Line(Container* c, int x1, int y1, int x2, int y2, Colour colour = kBlack);
    int x1() const { return x1_; }
    int y1() const { return y1_; }
    int x2() const { return x2_; }
    int y2() const { return y2_; }
    void set_points(int x1, int y1, int x2, int y2);
    Colour border_colour() const { return colour_; }
    void set_border_colour(Colour c);
    int border_width() const { return width_; }
    void set_border_width(int w);

    void paint(class QPainter& p);

private:
    void place();
    int x1_, y1_, x2_, y2_;
    Colour colour_;
    int width_ = 1;
};

// A picture shown at its own size (or stretched to the control).
class Image : public Control {
public:
    Image(Container* c, int x, int y, int w = 0, int h = 0);
    const Picture& picture() const { return pic_; }
    // Without stretch the control takes the picture's size.
    void set_picture(const Picture& p);
    bool stretch() const { return stretch_; }
    void set_stretch(bool s);

    void paint(class QPainter& p);

private:
    Picture pic_;
    bool stretch_ = false;
};

// A push button with a caption and an optional picture.
class Button : public Control {
public:
    Button(Container* c, int x, int y, int w, int h, const std::string& caption = "");
    const std::string& caption() const { return caption_; }
    void set_caption(const std::string& s);
    const Picture& picture() const { return pic_; }
    void set_picture(const Picture& p);

private:
    std::string caption_;
    Picture pic_;
};

// A drop-down list that the player picks from with the mouse.
class ComboBox : public Control {
public:
    ComboBox(Container* c, int x, int y, int w, int h = 21);
    void add_item(const std::string& s);
    void clear();
    int list_count() const;
    std::string item(int i) const;
    int list_index() const;        // -1 when nothing is chosen
    void set_list_index(int i);
    std::string text() const;      // the chosen entry's text, "" when none
};

// Single-line or multi-line text entry; the multi-line box can show a vertical scroll bar.
class TextBox : public Control {
public:
    TextBox(Container* c, int x, int y, int w, int h, bool multiline = false,
            bool vertical_scroll = false);
    std::string text() const;
    void set_text(const std::string& s);
    void set_max_length(int n);
    void set_locked(bool read_only);
    void set_font(const FontDesc& f);
    void set_colours(Colour fore, Colour back);
    void set_focus();
    bool multiline() const { return multiline_; }

private:
    bool multiline_;
    int max_length_ = 0;  // 0: no limit
};

}  // namespace platform
