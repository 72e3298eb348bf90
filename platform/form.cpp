// Top-level windows: fixed client area, keys for the game, close requests and modal visits.
#include "platform/picture_box.h"

#include "platform/qt_glue.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdint>
#include <utility>

namespace platform {

namespace {

using glue::old_buttons;
using glue::old_shift;

// Runs a handler from a copy: a handler that destroys its own window destroys the function
// object it is running from too.
template <class F, class... Args>
void run_handler(const F& handler, Args&&... args) {
    if (!handler) return;
    F copy = handler;
    copy(std::forward<Args>(args)...);
}

std::function<void(Form&)>& modal_runner() {
    static std::function<void(Form&)> runner;
    return runner;
}



// The old virtual-key number of a Qt key, or 0 for a key the game could not have named.
// Punctuation follows the US layout the old numbers were defined on.
int virtual_key(int key, Qt::KeyboardModifiers mods) {
    const bool keypad = mods & Qt::KeypadModifier;
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;  // Qt's letters are the upper-case codes
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return keypad ? 96 + (key - Qt::Key_0) : key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
    switch (key) {
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return 9;
        case Qt::Key_Return:
        case Qt::Key_Enter: return 13;
        case Qt::Key_Shift: return 16;
        case Qt::Key_Control: return 17;
        case Qt::Key_Alt: return 18;
        case Qt::Key_Pause: return 19;
        case Qt::Key_CapsLock: return 20;
        case Qt::Key_Escape: return 27;
        case Qt::Key_Space: return 32;
        case Qt::Key_PageUp: return 33;
        case Qt::Key_PageDown: return 34;
        case Qt::Key_End: return 35;
        case Qt::Key_Home: return 36;
        case Qt::Key_Left: return 37;
        case Qt::Key_Up: return 38;
        case Qt::Key_Right: return 39;
        case Qt::Key_Down: return 40;
        case Qt::Key_Print: return 44;
        case Qt::Key_Insert: return 45;
        case Qt::Key_Delete: return 46;
        case Qt::Key_Asterisk: return keypad ? 106 : 56;
        case Qt::Key_Plus: return keypad ? 107 : 187;
        case Qt::Key_Minus: return keypad ? 109 : 189;
        case Qt::Key_Period: return keypad ? 110 : 190;
        case Qt::Key_Slash: return keypad ? 111 : 191;
        case Qt::Key_NumLock: return 144;
        case Qt::Key_ScrollLock: return 145;
        // Shifted digits keep their digit's number.
        case Qt::Key_ParenRight: return 48;
        case Qt::Key_Exclam: return 49;
        case Qt::Key_At: return 50;
        case Qt::Key_NumberSign: return 51;
        case Qt::Key_Dollar: return 52;
        case Qt::Key_Percent: return 53;
        case Qt::Key_AsciiCircum: return 54;
        case Qt::Key_Ampersand: return 55;
        case Qt::Key_ParenLeft: return 57;
        case Qt::Key_Semicolon:
        case Qt::Key_Colon: return 186;
        case Qt::Key_Equal: return 187;
        case Qt::Key_Comma:
        case Qt::Key_Less: return 188;
        case Qt::Key_Underscore: return 189;
        case Qt::Key_Greater: return 190;
        case Qt::Key_Question: return 191;
        case Qt::Key_QuoteLeft:
        case Qt::Key_AsciiTilde: return 192;
        case Qt::Key_BracketLeft:
        case Qt::Key_BraceLeft: return 219;
        case Qt::Key_Backslash:
        case Qt::Key_Bar: return 220;
        case Qt::Key_BracketRight:
        case Qt::Key_BraceRight: return 221;
        case Qt::Key_Apostrophe:
        case Qt::Key_QuoteDbl: return 222;
        default: return 0;
    }
}

// The character a key typed, as the old toolkit's key-press code: Latin-1 only, and none for
// keys that type nothing (arrows) or only delete.
int typed_character(const QKeyEvent* e) {
    // Keypad Enter types a CR like the main one, whatever text the platform attaches.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) return 13;
    const QString t = e->text();
    if (t.size() != 1) return 0;
    const char16_t c = t.at(0).unicode();
    if (c == 0 || c == 0x7F || c > 0xFF) return 0;
    return c;
}

}  // namespace

namespace {

class FormWidget : public QWidget {
public:
    explicit FormWidget(Form* f) : form(f) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::StrongFocus);  // the window itself holds the keyboard
        setMouseTracking(true);
    }

    Form* form;                   // null once the Form object is gone
    QEventLoop* loop = nullptr;   // the modal loop showing this window, if any
    bool* gone = nullptr;         // set when the Form goes while a modal visit runs
    bool code_close = false;      // the close request comes from the game, not the player
    int depth = 0;                // events being handled now
    bool pressed = false;
    bool after_double = false;

protected:
    bool event(QEvent* e) override {
        ++depth;
        QPointer<FormWidget> self(this);
        const bool r = QWidget::event(e);
        if (self) --depth;
        return r;
    }

    void paintEvent(QPaintEvent* e) override {
        if (!form) return;
        QPainter p(this);
        form->paint_layers(p, e->region());
    }

    // Tab belongs to the game while the window holds the keyboard; a text box still passes
    // it on to the next box.
    bool focusNextPrevChild(bool next) override {
        if (focusWidget() && focusWidget() != this) return QWidget::focusNextPrevChild(next);
        return false;
    }

    void keyPressEvent(QKeyEvent* e) override {
        if (!form) return;
        QPointer<FormWidget> self(this);
        const int code = virtual_key(e->key(), e->modifiers());
        if (code) form->deliver_key_down(code, old_shift(e->modifiers()));
        if (!self || !form) return;
        if (const int ch = typed_character(e)) form->deliver_key_press(ch);
    }

    void keyReleaseEvent(QKeyEvent* e) override {
        if (!form || e->isAutoRepeat() || !form->takes_mouse()) return;
        const int code = virtual_key(e->key(), e->modifiers());
        if (code) run_handler(form->on_key_up, code, old_shift(e->modifiers()));
    }

    MouseArgs args(const QMouseEvent* e, int button) const {
        MouseArgs a;
        a.button = button;
        a.shift = old_shift(e->modifiers());
        a.x = static_cast<float>(e->position().x());
        a.y = static_cast<float>(e->position().y());
        return a;
    }

    void mousePressEvent(QMouseEvent* e) override {
        if (!form || !form->takes_mouse()) return;
        pressed = true;
        after_double = false;
        run_handler(form->on_mouse_down, args(e, old_buttons(e->button())));
    }

    void mouseDoubleClickEvent(QMouseEvent*) override {
        // The window has no double-click of its own, but the second press still gives no
        // second click.
        if (!form || !form->takes_mouse()) return;
        pressed = true;
        after_double = true;
    }

    void mouseReleaseEvent(QMouseEvent* e) override {
        const bool click = pressed && !after_double && rect().contains(e->position().toPoint());
        pressed = false;
        after_double = false;
        if (!form || !form->takes_mouse()) return;
        if (click) run_handler(form->on_click);
    }

    void mouseMoveEvent(QMouseEvent* e) override {
        if (!form || !form->takes_mouse()) return;
        run_handler(form->on_mouse_move, args(e, old_buttons(e->buttons())));
    }

    void closeEvent(QCloseEvent* e) override {
        if (!form) {
            e->accept();
            return;
        }
        bool may_close;
        if (code_close) {
            // The game closing its own window is refused only by the window's own handler.
            std::int16_t cancel = 0;
            run_handler(form->on_query_unload, cancel);
            may_close = cancel == 0;
        } else {
            may_close = form->deliver_close_request();
        }
        if (may_close)
            e->accept();
        else
            e->ignore();
    }

    void hideEvent(QHideEvent*) override {
        if (loop) loop->quit();
    }
};

}  // namespace

struct Form::Impl {
    QPointer<FormWidget> w;
};

Form::Form(const std::string& caption, int client_w, int client_h, Colour back)
    : Canvas(std::max(1, client_w), std::max(1, client_h), back),
      impl_(std::make_unique<Impl>()),
      caption_(caption) {
    auto* w = new FormWidget(this);
    impl_->w = w;
    w->setWindowTitle(QString::fromStdString(caption));
    w->setFixedSize(std::max(1, client_w), std::max(1, client_h));
    on_changed = [this] {
        if (impl_->w) impl_->w->update();
    };
    on_area_changed = [this](int x, int y, int w, int h) {
        if (impl_->w) impl_->w->update(x, y, w, h);
    };
    centre_on_screen();
}

Form::~Form() {
    on_changed = nullptr;
    on_area_changed = nullptr;
    FormWidget* w = impl_->w;
    if (!w) return;
    w->form = nullptr;
    if (w->gone) *w->gone = true;
    if (w->loop) w->loop->quit();
    if (!QCoreApplication::instance()) return;
    w->hide();
    // A window taken apart inside one of its own events would pull the floor from under Qt.
    if (w->depth > 0)
        w->deleteLater();
    else
        delete w;
}

QWidget* Form::widget() const { return impl_->w; }
QWidget* Form::client_widget() const { return impl_->w; }

void Form::set_caption(const std::string& s) {
    caption_ = s;
    if (impl_->w) impl_->w->setWindowTitle(QString::fromStdString(s));
}

int Form::client_width() const { return scale_width(); }
int Form::client_height() const { return scale_height(); }

void Form::set_client_size(int w, int h) {
    w = std::max(1, w);
    h = std::max(1, h);
    if (impl_->w) impl_->w->setFixedSize(w, h);
    resize_canvas(w, h);
}

namespace {
// Places a window's frame centred on an area.
void centre_in(QWidget* w, const QRect& area) {
    const QSize frame = w->frameGeometry().size();
    w->move(area.x() + (area.width() - frame.width()) / 2, area.y() + (area.height() - frame.height()) / 2);
}
}  // namespace

void Form::centre_on_screen() {
    FormWidget* w = impl_->w;
    if (!w) return;
    QScreen* s = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (s) centre_in(w, s->availableGeometry());
}

void Form::centre_on(const Form& owner) {
    FormWidget* w = impl_->w;
    QWidget* o = owner.widget();
    if (!w || !o || &owner == this) return;
    centre_in(w, o->frameGeometry());
}

void Form::show() {
    FormWidget* w = impl_->w;
    if (!w) return;
    w->show();
    // The headless test platform cannot raise windows and says so on every call.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) w->raise();
    w->activateWindow();
    w->setFocus(Qt::ActiveWindowFocusReason);
}

void Form::hide() {
    if (impl_->w) impl_->w->hide();
}

bool Form::is_shown() const { return impl_->w && impl_->w->isVisible(); }

void Form::close() {
    FormWidget* w = impl_->w;
    if (!w) return;
    QPointer<FormWidget> guard(w);
    const bool outer = w->code_close;
    w->code_close = true;
    w->close();
    if (guard) w->code_close = outer;
}

void Form::set_modal_runner(std::function<void(Form&)> runner) { modal_runner() = std::move(runner); }

void Form::show_modal(Form* owner) {
    FormWidget* w = impl_->w;
    if (!w || w->loop) return;  // already on a modal visit
    if (owner && owner != this)
        centre_on(*owner);
    else
        centre_on_screen();

    bool gone = false;
    bool* outer_gone = w->gone;
    w->gone = &gone;

    if (modal_runner()) {
        show();
        auto runner = modal_runner();
        runner(*this);
        if (gone) {
            if (outer_gone) *outer_gone = true;
            return;
        }
        w->gone = outer_gone;
        // The runner stood for the whole visit; the window is over when it returns.
        if (is_shown()) hide();
        return;
    }

    // Modality only takes effect on a window that is shown afresh.
    if (w->isVisible()) w->hide();
    w->setWindowModality(Qt::ApplicationModal);
    if (owner && owner != this && owner->widget()) {
        w->winId();
        owner->widget()->winId();
        if (w->windowHandle()) w->windowHandle()->setTransientParent(owner->widget()->windowHandle());
    }
    show();
    QEventLoop loop;
    w->loop = &loop;
    if (w->isVisible()) loop.exec(QEventLoop::DialogExec);
    if (gone) {
        if (outer_gone) *outer_gone = true;
        return;
    }
    w->loop = nullptr;
    w->gone = outer_gone;
    w->setWindowModality(Qt::NonModal);
}

void Form::deliver_key_down(int key_code, int shift) {
    if (enabled_) run_handler(on_key_down, key_code, shift);
}

void Form::deliver_key_press(int ascii) {
    if (enabled_) run_handler(on_key_press, ascii);
}

bool Form::deliver_close_request() {
    if (!closable_) return false;
    std::int16_t cancel = 0;
    run_handler(on_query_unload, cancel);
    return cancel == 0;
}

}  // namespace platform
