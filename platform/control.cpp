// The control base: placement, visibility, pointer, stacking, and the old mouse event order.
#include "platform/control.h"

#include "platform/qt_glue.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace platform {

namespace {

using glue::old_buttons;
using glue::old_shift;

// Labels, shapes, lines and images were drawn on their container in the old toolkit, so they
// always lay beneath its windowed controls (boxes, buttons, lists, text boxes) whatever the
// order of creation. Their widgets say so by their kind. Asked of every sibling each time a
// control is made, so it must stay cheap: a named property lookup here cost the start-up
// milliseconds.
bool is_lightweight(const QWidget* w) {
    const auto* painted = dynamic_cast<const glue::PaintedWidget*>(w);
    return painted && painted->kind() == glue::PaintedWidget::kLightweight;
}

// The lowest windowed sibling of w, or nullptr.
QWidget* lowest_windowed_sibling(QWidget* w) {
    QWidget* parent = w->parentWidget();
    if (!parent) return nullptr;
    for (QObject* o : parent->children()) {  // bottom to top
        auto* sib = qobject_cast<QWidget*>(o);
        if (sib && sib != w && !sib->isWindow() && !is_lightweight(sib)) return sib;
    }
    return nullptr;
}

// Runs a handler from a copy: a handler that destroys its own control destroys the function
// object it is running from too.
template <class F, class... Args>
void run_handler(const F& handler, Args&&... args) {
    if (!handler) return;
    F copy = handler;
    copy(std::forward<Args>(args)...);
}

int old_button(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton: return kLeftButton;
        case Qt::RightButton: return kRightButton;
        case Qt::MiddleButton: return kMiddleButton;
        default: return 0;
    }
}



// How a control's widget treats the mouse.
enum class Routing {
    Own,        // our own painted widgets: the events are ours alone
    Share,      // push buttons and text boxes: we listen, the widget still acts
    BlockOnly,  // the drop-down list: it acts alone, unless the control is disabled
};

class MouseRouter : public QObject {
public:
    MouseRouter(Control* c, Routing r, std::function<int()> offset)
        : control_(c), routing_(r), offset_(std::move(offset)) {}

    bool eventFilter(QObject* watched, QEvent* e) override {
        switch (e->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove:
                break;
            default:
                return false;
        }
        auto* me = static_cast<QMouseEvent*>(e);
        Control* c = control_;
        bool takes = c->enabled() && (!c->container() || c->container()->takes_mouse());
        if (!takes) {
            // Swallowed whole: neither the widget nor anything beneath it reacts.
            e->accept();
            return true;
        }
        if (routing_ == Routing::BlockOnly) return false;

        QWidget* w = c->widget();
        auto* from = qobject_cast<QWidget*>(watched);
        if (!w || !from) return false;
        QPointF at = me->position();
        if (from != w) at = from->mapTo(w, at);
        const bool inside = w->rect().contains(at.toPoint());
        MouseArgs args;
        args.shift = old_shift(me->modifiers());
        const int offset = offset_();
        args.x = static_cast<float>(at.x() - offset);
        args.y = static_cast<float>(at.y() - offset);

        QPointer<QObject> alive(this);
        switch (e->type()) {
            case QEvent::MouseButtonPress:
                args.button = old_button(me->button());
                if (args.button) c->deliver_mouse_down(args);
                break;
            case QEvent::MouseButtonDblClick:
                args.button = old_button(me->button());
                if (args.button) c->deliver_double_click(args);
                break;
            case QEvent::MouseButtonRelease:
                args.button = old_button(me->button());
                if (args.button) c->deliver_mouse_up(args, inside);
                break;
            default:
                args.button = old_buttons(me->buttons());
                c->deliver_mouse_move(args);
                break;
        }
        if (!alive) {
            // The handler destroyed the control and its widget: nothing may touch them now.
            e->accept();
            return true;
        }
        if (routing_ == Routing::Own) {
            e->accept();
            return true;
        }
        return false;
    }

private:
    Control* control_;
    Routing routing_;
    std::function<int()> offset_;  // where the drawing area starts inside the widget
};

}  // namespace

Control::Control(Container* container, QWidget* widget) : widget_(widget), container_(container) {
    Routing routing = Routing::Own;
    if (qobject_cast<QComboBox*>(widget))
        routing = Routing::BlockOnly;
    else if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
             qobject_cast<QAbstractScrollArea*>(widget))
        routing = Routing::Share;
    // Push buttons knew no double-click: a quick second press is a second click.
    counts_every_press_ = qobject_cast<QAbstractButton*>(widget) != nullptr;
    router_ = new MouseRouter(this, routing, [this] { return client_offset(); });
    if (!widget_) return;
    // A container that goes first takes our widget with it; forget it then instead of
    // deleting it a second time.
    QObject::connect(widget_, &QObject::destroyed, router_, [this] { widget_ = nullptr; });
    widget_->setFocusPolicy(Qt::NoFocus);
    route_mouse(widget_);
    update_mouse_through();

    QWidget* parent = container_ ? container_->client_widget() : nullptr;
    if (!parent) return;  // an orphan stays hidden rather than popping up as a window
    widget_->setParent(parent);
    if (is_lightweight(widget_)) {
        if (QWidget* w = lowest_windowed_sibling(widget_)) widget_->stackUnder(w);
    }
    // Every control is placed and sized right after this. Shown without a size, Qt would first
    // measure the widget's contents to size it (a push button lays out its caption, loading
    // a font), only for that size to be thrown away.
    if (!widget_->testAttribute(Qt::WA_Resized)) widget_->resize(0, 0);
    widget_->show();
}

Control::~Control() {
    // After the application object is gone Qt can no longer take widgets apart safely;
    // the process is ending then anyway.
    if (widget_ && QCoreApplication::instance()) delete widget_;
    delete router_;
}

void Control::route_mouse(QWidget* inner) {
    if (!inner) return;
    inner->setMouseTracking(true);  // moves arrive without a button held
    inner->installEventFilter(router_);
}

void handlers_changed(Control& c) { c.update_mouse_through(); }

bool Control::takes_mouse_here() const {
    if (!widget_ || !is_lightweight(widget_)) return true;
    if (mouse_through_always_) return false;
    return on_click || on_dblclick || on_mouse_down || on_mouse_up || on_mouse_move ||
           !tool_tip_.empty() || mouse_pointer_ != kDefaultPointer;
}

void Control::let_mouse_through_always() {
    mouse_through_always_ = true;
    update_mouse_through();
}

void Control::update_mouse_through() {
    if (widget_) widget_->setAttribute(Qt::WA_TransparentForMouseEvents, !takes_mouse_here());
}

bool Control::takes_mouse_now() const {
    return enabled_ && (!container_ || container_->takes_mouse());
}

int Control::left() const { return widget_ ? widget_->x() : 0; }
int Control::top() const { return widget_ ? widget_->y() : 0; }
int Control::width() const { return folded_ ? folded_size_.width() : widget_ ? widget_->width() : 0; }
int Control::height() const { return folded_ ? folded_size_.height() : widget_ ? widget_->height() : 0; }

void Control::move(int x, int y) {
    if (widget_) widget_->move(x, y);
}

void Control::move(int x, int y, int w, int h) {
    if (!widget_) return;
    const QSize size(std::max(0, w), std::max(0, h));
    if (folded_) folded_size_ = size;
    widget_->setGeometry(QRect(QPoint(x, y), folded_ ? QSize(0, 0) : size));
    resized();
}

void Control::set_width(int w) { move(left(), top(), w, height()); }

void Control::set_height(int h) { move(left(), top(), width(), h); }

// A control that never takes the mouse hides by folding its widget to nothing instead, once its
// window is on screen: showing a widget again there makes Qt ask the display where the pointer
// is, a round trip every time a shell of the fireworks bursts. A widget of no size paints
// nothing and lets everything through, which is all a hidden control does. Before the window
// is shown a plain hide costs nothing later and keeps the window's first showing short.
void Control::set_visible(bool v) {
    visible_ = v;
    if (!widget_ || !widget_->parentWidget()) return;
    if (v && folded_) {
        folded_ = false;
        widget_->resize(folded_size_);
    }
    if (!v && !folded_ && mouse_through_always_ && widget_->isVisibleTo(widget_->parentWidget()) &&
        widget_->window()->isVisible()) {
        folded_size_ = widget_->size();
        folded_ = true;
        widget_->resize(0, 0);
    }
    if (!folded_) widget_->setVisible(v);
}

void Control::set_tool_tip(const std::string& t) {
    tool_tip_ = t;
    if (widget_) widget_->setToolTip(QString::fromStdString(t));
    update_mouse_through();
}

void Control::set_mouse_pointer(int p) {
    mouse_pointer_ = p;
    if (!widget_) return;
    // Only the pointers the game uses have a shape; any other number shows the default.
    if (p == kUpArrowPointer)
        widget_->setCursor(Qt::UpArrowCursor);
    else
        widget_->unsetCursor();
    update_mouse_through();
}

void Control::bring_to_front() {
    if (!widget_) return;
    widget_->raise();
    if (is_lightweight(widget_)) {
        if (QWidget* w = lowest_windowed_sibling(widget_)) widget_->stackUnder(w);
    }
}

void Control::send_to_back() {
    if (!widget_) return;
    if (is_lightweight(widget_)) {
        widget_->lower();
        return;
    }
    // A windowed control goes to the bottom of the windowed layer, still above the labels.
    if (QWidget* w = lowest_windowed_sibling(widget_))
        widget_->stackUnder(w);
    else
        widget_->raise();
}

void Control::deliver_mouse_down(const MouseArgs& a) {
    if (!takes_mouse_now()) return;
    pressed_ = true;
    double_pending_ = false;
    run_handler(on_mouse_down, a);
}

void Control::deliver_mouse_up(const MouseArgs& a, bool released_inside) {
    const bool was_pressed = pressed_;
    const bool after_double = double_pending_;
    pressed_ = false;
    double_pending_ = false;
    if (!takes_mouse_now()) return;
    QPointer<QObject> alive(router_);
    run_handler(on_mouse_up, a);
    if (!alive) return;  // the handler destroyed us
    // The release that ends a double-click gives no click of its own.
    if (was_pressed && !after_double && released_inside) run_handler(on_click);
}

void Control::deliver_double_click(const MouseArgs& a) {
    if (counts_every_press_) {
        // The window system has usually sent this second press as a press already.
        if (!pressed_) deliver_mouse_down(a);
        return;
    }
    if (!takes_mouse_now()) return;
    pressed_ = true;
    double_pending_ = true;
    run_handler(on_dblclick);
}

void Control::deliver_mouse_move(const MouseArgs& a) {
    if (!takes_mouse_now()) return;
    run_handler(on_mouse_move, a);
}

}  // namespace platform
