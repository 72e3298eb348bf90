// The simple controls over Qt: painted labels, shapes, lines and images, and native buttons,
// drop-down lists and text boxes.
#include "platform/controls.h"

#include "platform/fonts.h"
#include "platform/qt_glue.h"

#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QIcon>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <utility>

namespace platform {

namespace {

using glue::PaintedWidget;


QColor qcolour(Colour c) { return QColor::fromRgb(to_qrgb(c)); }

// The thin sunken edge of a bordered label.
void sunken_edge(QPainter& p, const QRect& r) {
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawLine(r.left(), r.top(), r.right(), r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.bottom());
    p.setPen(QColor(0xFF, 0xFF, 0xFF));
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
}

Qt::BrushStyle hatch_for(int fill_style) {
    switch (fill_style) {
        case Shape::kFillSolid: return Qt::SolidPattern;
        case 2: return Qt::HorPattern;
        case 3: return Qt::VerPattern;
        case 4: return Qt::BDiagPattern;
        case 5: return Qt::FDiagPattern;
        case 6: return Qt::CrossPattern;
        case Shape::kFillDiagonalCross: return Qt::DiagCrossPattern;
        default: return Qt::NoBrush;  // transparent, and anything unknown
    }
}

// The outline's pen: the broken styles only at one pixel, as the old toolkit's pens were
// drawn; anything wider, and any number it did not know, is solid.
Qt::PenStyle pen_for(int border_style, int width) {
    if (width > 1) return Qt::SolidLine;
    switch (border_style) {
        case Shape::kBorderDash: return Qt::DashLine;
        case Shape::kBorderDot: return Qt::DotLine;
        case Shape::kBorderDashDot: return Qt::DashDotLine;
        case Shape::kBorderDashDotDot: return Qt::DashDotDotLine;
        default: return Qt::SolidLine;
    }
}

}  // namespace

std::string line_breaks_to_lf(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r') {
            out.push_back('\n');
            if (i + 1 < s.size() && s[i + 1] == '\n') ++i;
        } else {
            out.push_back(s[i]);
        }
    }
    return out;
}

// ---- Label ---------------------------------------------------------------------------------

Label::Label(Container* c, int x, int y, int w, int h, const std::string& caption)
    : Control(c, new PaintedWidget([this](QPainter& p) { paint(p); }, PaintedWidget::kLightweight)), caption_(caption) {
    move(x, y, w, h);
}

void Label::set_caption(const std::string& s) {
    if (s == caption_) return;
    caption_ = s;
    if (widget()) widget()->update();
}

void Label::set_fore_colour(Colour c) {
    fore_ = c;
    if (widget()) widget()->update();
}

void Label::set_back_colour(Colour c) {
    back_ = c;
    if (widget()) widget()->update();
}

void Label::set_transparent(bool t) {
    transparent_ = t;
    if (widget()) widget()->update();
}

void Label::set_font(const FontDesc& f) {
    font_ = f;
    if (widget()) widget()->update();
}

void Label::set_font_size(double pt) {
    font_.size = pt;
    if (widget()) widget()->update();
}

void Label::set_font_bold(bool b) {
    font_.bold = b;
    if (widget()) widget()->update();
}

void Label::set_alignment(int a) {
    align_ = (a == kAlignRight || a == kAlignCentre) ? a : kAlignLeft;
    if (widget()) widget()->update();
}

void Label::set_border(bool b) {
    border_ = b;
    if (widget()) widget()->update();
}

void Label::paint(QPainter& p) {
    QRect r(0, 0, width(), height());
    if (!transparent_) p.fillRect(r, qcolour(back_));
    if (border_) {
        sunken_edge(p, r);
        r.adjust(1, 1, -1, -1);
    }
    int flags = Qt::TextWordWrap | Qt::AlignTop;
    flags |= align_ == kAlignRight ? Qt::AlignRight : (align_ == kAlignCentre ? Qt::AlignHCenter : Qt::AlignLeft);
    p.setFont(qfont(font_));
    p.setPen(qcolour(fore_));
    p.drawText(r, flags, QString::fromStdString(line_breaks_to_lf(caption_)));
}

// ---- Shape ---------------------------------------------------------------------------------

Shape::Shape(Container* c, int x, int y, int w, int h, int kind)
    : Control(c, new PaintedWidget([this](QPainter& p) { paint(p); }, PaintedWidget::kLightweight)),
      kind_(kind >= kRectangle && kind <= kRoundedSquare ? kind : kRectangle) {
    let_mouse_through_always();
    move(x, y, w, h);
}

void Shape::set_kind(int k) {
    kind_ = (k >= kRectangle && k <= kRoundedSquare) ? k : kRectangle;
    if (widget()) widget()->update();
}

void Shape::set_border_colour(Colour c) {
    if (c == border_colour_) return;
    border_colour_ = c;
    if (widget()) widget()->update();
}

void Shape::set_border_width(int w) {
    border_width_ = std::max(1, w);
    if (widget()) widget()->update();
}

void Shape::set_border_style(int s) {
    border_style_ = s;
    if (widget()) widget()->update();
}

void Shape::set_fill_colour(Colour c) {
    fill_colour_ = c;
    if (widget()) widget()->update();
}

void Shape::set_fill_style(int s) {
    fill_style_ = s;
    if (widget()) widget()->update();
}

void Shape::set_back_colour(Colour c) {
    back_colour_ = c;
    if (widget()) widget()->update();
}

void Shape::set_back_opaque(bool o) {
    back_opaque_ = o;
    if (widget()) widget()->update();
}

void Shape::paint(QPainter& p) {
    const int w = width(), h = height();
    if (w <= 0 || h <= 0) return;
    QRect r(0, 0, w, h);
    const bool squared = kind_ == kSquare || kind_ == kCircle || kind_ == kRoundedSquare;
    if (squared) {  // the square sits in the middle of the control
        const int side = std::min(w, h);
        r = QRect((w - side) / 2, (h - side) / 2, side, side);
    }
    const bool outlined = border_style_ != kBorderTransparent;
    const int bw = outlined ? std::max(1, border_width_) : 0;
    // The outline stays inside the control: a stroked rectangle grows by the pen width.
    const QRectF body = QRectF(r).adjusted(bw / 2.0, bw / 2.0, -bw / 2.0, -bw / 2.0);
    const bool curved = kind_ != kRectangle && kind_ != kSquare;
    p.setRenderHint(QPainter::Antialiasing, curved);
    const double radius = std::min(r.width(), r.height()) / 6.0;

    auto draw = [&](const QRectF& area) {
        switch (kind_) {
            case kOval:
            case kCircle: p.drawEllipse(area); break;
            case kRoundedRectangle:
            case kRoundedSquare: p.drawRoundedRect(area, radius, radius); break;
            default: p.drawRect(area); break;
        }
    };
    // Fills cover the body the outline runs through the middle of.
    const QRectF fill_area = bw > 0 ? body : QRectF(r);
    p.setPen(Qt::NoPen);
    if (back_opaque_) {
        p.setBrush(qcolour(back_colour_));
        draw(fill_area);
    }
    const Qt::BrushStyle style = hatch_for(fill_style_);
    if (style != Qt::NoBrush) {
        p.setBrush(QBrush(qcolour(fill_colour_), style));
        draw(fill_area);
    }
    if (outlined) {
        QPen pen(qcolour(border_colour_), bw);
        pen.setStyle(pen_for(border_style_, bw));
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        // A 1-pixel outline on a pixel grid: aliased drawing lands on the pixel the
        // rectangle's edge names when the rectangle is one pixel smaller.
        draw(bw == 1 && !curved ? QRectF(r.adjusted(0, 0, -1, -1)) : body);
    }
}

// ---- Line ----------------------------------------------------------------------------------

Line::Line(Container* c, int x1, int y1, int x2, int y2, Colour colour)
    : Control(c, new PaintedWidget([this](QPainter& p) { paint(p); }, PaintedWidget::kLightweight)),
      x1_(x1), y1_(y1), x2_(x2), y2_(y2), colour_(colour) {
    let_mouse_through_always();
    place();
}

void Line::set_points(int x1, int y1, int x2, int y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    place();
}

void Line::set_border_colour(Colour c) {
    if (c == colour_) return;
    colour_ = c;
    if (widget()) widget()->update();
}

void Line::set_border_width(int w) {
    width_ = std::max(1, w);
    place();
}

// The widget covers the line's bounding box plus room for the pen on every side.
void Line::place() {
    const int pad = width_ / 2 + 1;
    const int l = std::min(x1_, x2_) - pad;
    const int t = std::min(y1_, y2_) - pad;
    const int w = std::abs(x2_ - x1_) + 2 * pad + 1;
    const int h = std::abs(y2_ - y1_) + 2 * pad + 1;
    // A widget that moves or changes size is repainted where it was and where it is now; the
    // same box with the line drawn differently inside still needs asking.
    const bool same_box = l == left() && t == top() && w == width() && h == height();
    move(l, t, w, h);
    if (same_box && widget()) widget()->update();
}

void Line::paint(QPainter& p) {
    QPen pen(qcolour(colour_), width_);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    const int ox = left(), oy = top();
    if (x1_ == x2_ && y1_ == y2_)
        p.drawPoint(x1_ - ox, y1_ - oy);
    else
        p.drawLine(x1_ - ox, y1_ - oy, x2_ - ox, y2_ - oy);
}

// ---- Image ---------------------------------------------------------------------------------

Image::Image(Container* c, int x, int y, int w, int h)
    : Control(c, new PaintedWidget([this](QPainter& p) { paint(p); }, PaintedWidget::kLightweight)) {
    move(x, y, w, h);
}

void Image::set_picture(const Picture& p) {
    pic_ = p;
    if (!stretch_ && !pic_.isNull()) move(left(), top(), pic_.width(), pic_.height());
    if (widget()) widget()->update();
}

void Image::set_stretch(bool s) {
    stretch_ = s;
    if (!stretch_ && !pic_.isNull()) move(left(), top(), pic_.width(), pic_.height());
    if (widget()) widget()->update();
}

void Image::paint(QPainter& p) {
    if (pic_.isNull()) return;
    if (stretch_)
        p.drawImage(QRect(0, 0, width(), height()), pic_);
    else
        p.drawImage(0, 0, pic_);
}

// ---- Button --------------------------------------------------------------------------------

Button::Button(Container* c, int x, int y, int w, int h, const std::string& caption)
    : Control(c, new QPushButton) {
    move(x, y, w, h);
    set_caption(caption);
}

void Button::set_caption(const std::string& s) {
    caption_ = s;
    if (auto* b = static_cast<QPushButton*>(widget())) b->setText(QString::fromStdString(s));
}

void Button::set_picture(const Picture& p) {
    pic_ = p;
    auto* b = static_cast<QPushButton*>(widget());
    if (!b) return;
    if (p.isNull()) {
        b->setIcon(QIcon());
        return;
    }
    b->setIcon(QIcon(QPixmap::fromImage(p)));
    b->setIconSize(p.size());
}

// ---- ComboBox ------------------------------------------------------------------------------

namespace {
QComboBox* combo_of(const Control& c) { return static_cast<QComboBox*>(c.widget()); }
}  // namespace

ComboBox::ComboBox(Container* c, int x, int y, int w, int h) : Control(c, new QComboBox) {
    move(x, y, w, h);
    if (auto* box = combo_of(*this)) {
        box->setEditable(false);
        // The player's pick is the list's click, as in the old toolkit.
        QObject::connect(box, &QComboBox::activated, box, [this](int) {
            if (!on_click) return;
            auto handler = on_click;  // the handler may take the list away
            handler();
        });
    }
}

void ComboBox::add_item(const std::string& s) {
    auto* box = combo_of(*this);
    if (!box) return;
    const int before = box->currentIndex();
    box->addItem(QString::fromStdString(s));
    // Qt chooses the first entry of an empty list by itself; the old list stayed unchosen.
    if (before < 0) box->setCurrentIndex(-1);
}

void ComboBox::clear() {
    if (auto* box = combo_of(*this)) box->clear();
}

int ComboBox::list_count() const {
    auto* box = combo_of(*this);
    return box ? box->count() : 0;
}

std::string ComboBox::item(int i) const {
    auto* box = combo_of(*this);
    if (!box || i < 0 || i >= box->count()) return "";
    return box->itemText(i).toStdString();
}

int ComboBox::list_index() const {
    auto* box = combo_of(*this);
    return box ? box->currentIndex() : -1;
}

// Choosing an entry from code runs the click handler too, as the old list did; an index
// outside the list changes nothing.
void ComboBox::set_list_index(int i) {
    auto* box = combo_of(*this);
    if (!box || i < -1 || i >= box->count() || i == box->currentIndex()) return;
    box->setCurrentIndex(i);
    if (!on_click) return;
    auto handler = on_click;
    handler();
}

std::string ComboBox::text() const {
    auto* box = combo_of(*this);
    if (!box || box->currentIndex() < 0) return "";
    return box->currentText().toStdString();
}

// ---- TextBox -------------------------------------------------------------------------------

namespace {
QWidget* make_text_widget(bool multiline, bool vertical_scroll) {
    if (!multiline) return new QLineEdit;
    auto* e = new QPlainTextEdit;
    e->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    e->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    e->setVerticalScrollBarPolicy(vertical_scroll ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    return e;
}
}  // namespace

TextBox::TextBox(Container* c, int x, int y, int w, int h, bool multiline, bool vertical_scroll)
    : Control(c, make_text_widget(multiline, vertical_scroll)), multiline_(multiline) {
    move(x, y, w, h);
    QWidget* w0 = widget();
    if (!w0) return;
    // Text boxes live in side windows where typing into them is the point.
    w0->setFocusPolicy(Qt::StrongFocus);
    if (auto* e = qobject_cast<QPlainTextEdit*>(w0)) {
        route_mouse(e->viewport());
        QObject::connect(e, &QPlainTextEdit::textChanged, e, [this, e] {
            if (max_length_ <= 0) return;
            const QString t = e->toPlainText();
            if (t.size() <= max_length_) return;
            e->setPlainText(t.left(max_length_));
            e->moveCursor(QTextCursor::End);
        });
    }
}

std::string TextBox::text() const {
    QWidget* w = widget();
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text().toStdString();
    if (auto* e = qobject_cast<QPlainTextEdit*>(w)) {
        // The game splits multi-line text at CR LF, the old toolkit's line end.
        QString t = e->toPlainText();
        t.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        return t.toStdString();
    }
    return "";
}

void TextBox::set_text(const std::string& s) {
    QWidget* w = widget();
    if (auto* e = qobject_cast<QLineEdit*>(w)) e->setText(QString::fromStdString(s));
    if (auto* e = qobject_cast<QPlainTextEdit*>(w)) e->setPlainText(QString::fromStdString(line_breaks_to_lf(s)));
}

void TextBox::set_max_length(int n) {
    max_length_ = std::max(0, n);
    QWidget* w = widget();
    if (auto* e = qobject_cast<QLineEdit*>(w)) e->setMaxLength(max_length_ > 0 ? max_length_ : 32767);
    if (auto* e = qobject_cast<QPlainTextEdit*>(w)) {
        if (max_length_ > 0 && e->toPlainText().size() > max_length_)
            e->setPlainText(e->toPlainText().left(max_length_));
    }
}

void TextBox::set_locked(bool read_only) {
    QWidget* w = widget();
    if (auto* e = qobject_cast<QLineEdit*>(w)) e->setReadOnly(read_only);
    if (auto* e = qobject_cast<QPlainTextEdit*>(w)) e->setReadOnly(read_only);
}

void TextBox::set_font(const FontDesc& f) {
    if (QWidget* w = widget()) w->setFont(qfont(f));
}

void TextBox::set_colours(Colour fore, Colour back) {
    QWidget* w = widget();
    if (!w) return;
    QPalette pal = w->palette();
    pal.setColor(QPalette::Text, qcolour(fore));
    pal.setColor(QPalette::Base, qcolour(back));
    w->setPalette(pal);
}

void TextBox::set_focus() {
    if (QWidget* w = widget()) w->setFocus(Qt::OtherFocusReason);
}

}  // namespace platform
