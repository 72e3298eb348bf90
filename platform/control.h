// Controls of the old window toolkit over Qt widgets: the common base and its mouse events.
#pragma once

#include <QSize>
#include <functional>
#include <string>
#include <utility>

class QObject;
class QWidget;

namespace platform {

class Container;
class Control;

// Tells a control that one of its mouse handlers was set or cleared.
void handlers_changed(Control& c);

// A mouse handler of a control. Setting one tells the control: a label or picture drawn over
// its container takes the mouse only while it has something to do with it.
template <class Sig>
class Handler : public std::function<Sig> {
public:
    explicit Handler(Control* owner) : owner_(owner) {}
    // A copy is a plain callable that belongs to no control.
    Handler(const Handler& o) : std::function<Sig>(static_cast<const std::function<Sig>&>(o)) {}
    Handler& operator=(const Handler& o) { return assign(static_cast<const std::function<Sig>&>(o)); }
    template <class F>
    Handler& operator=(F&& f) {
        return assign(std::function<Sig>(std::forward<F>(f)));
    }

private:
    Handler& assign(std::function<Sig> f) {
        std::function<Sig>::operator=(std::move(f));
        if (owner_) handlers_changed(*owner_);
        return *this;
    }
    Control* owner_ = nullptr;
};

// Mouse buttons as the old toolkit numbered them.
enum MouseButton { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
// Shift flags: 1 shift, 2 ctrl, 4 alt.
struct MouseArgs {
    int button = 0;  // 0 for a move without a button
    int shift = 0;
    float x = 0;     // pixels, relative to the control's drawing area
    float y = 0;
};

// Mouse pointers the game uses.
enum MousePointer { kDefaultPointer = 0, kUpArrowPointer = 10 };

// Every control lies in a container (a window or a picture box), positioned in pixels relative
// to the container's drawing area and clipped by it. Controls never take keyboard focus, so
// the window they lie on sees every key.
//
// Mouse events come in the old order: down, up, click. A second press within the double-click
// time gives a double-click instead of a second click, unless the control counts every press
// (push buttons always do). The pressed control keeps the mouse until release; moves arrive
// without a button held too.
//
// Labels and images lie on their container like paint: one without mouse handlers, tool tip or
// pointer of its own lets the mouse through to whatever lies beneath, so a banner over the
// board never eats a click meant for the cell under it. Shapes and lines always do.
class Control {
public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    int left() const;
    int top() const;
    int width() const;
    int height() const;
    void move(int x, int y);
    void move(int x, int y, int w, int h);
    void set_left(int x) { move(x, top()); }
    void set_top(int y) { move(left(), y); }
    virtual void set_width(int w);
    virtual void set_height(int h);

    // The control's own visibility flag (shown when its containers are shown too).
    bool visible() const { return visible_; }
    void set_visible(bool v);
    void show_flag(int flag) { set_visible(flag != 0); }

    // Enabled means "takes mouse input"; a disabled control looks exactly the same.
    bool enabled() const { return enabled_; }
    void set_enabled(bool e) { enabled_ = e; }

    const std::string& tool_tip() const { return tool_tip_; }
    void set_tool_tip(const std::string& t);

    int mouse_pointer() const { return mouse_pointer_; }
    void set_mouse_pointer(int p);

    // Whether a quick second press is a click of its own rather than a double-click: for
    // controls a player presses again and again to count something up or page on.
    bool counts_every_press() const { return counts_every_press_; }
    void set_counts_every_press(bool on) { counts_every_press_ = on; }

    // Stacking among the controls of the same container.
    void bring_to_front();
    void send_to_back();

    Handler<void()> on_click{this};
    Handler<void()> on_dblclick{this};
    Handler<void(const MouseArgs&)> on_mouse_down{this};
    Handler<void(const MouseArgs&)> on_mouse_up{this};
    Handler<void(const MouseArgs&)> on_mouse_move{this};

    // Whether the mouse stops at this control rather than passing through to its container.
    bool takes_mouse_here() const;

    QWidget* widget() const { return widget_; }
    Container* container() const { return container_; }

    // Routed here by the widget; tests may call them to simulate the old event order.
    void deliver_mouse_down(const MouseArgs& a);
    void deliver_mouse_up(const MouseArgs& a, bool released_inside);
    void deliver_double_click(const MouseArgs& a);
    void deliver_mouse_move(const MouseArgs& a);

protected:
    // The widget is parented to the container's drawing area by the constructor.
    Control(Container* container, QWidget* widget);
    // Where the drawing area starts inside the widget (a border's width).
    virtual int client_offset() const { return 0; }
    // Routes the mouse events of an inner widget (a drawing area, a viewport) here too.
    void route_mouse(QWidget* inner);
    // Called after every change of size, whichever call made it.
    virtual void resized() {}
    // For controls that never take the mouse, handlers or not.
    void let_mouse_through_always();

private:
    friend void handlers_changed(Control& c);
    void update_mouse_through();
    bool takes_mouse_now() const;
    QWidget* widget_;
    QObject* router_ = nullptr;  // filters the widget's mouse events; lives as long as we do
    Container* container_;
    bool visible_ = true;
    bool enabled_ = true;
    bool pressed_ = false;
    bool double_pending_ = false;
    bool mouse_through_always_ = false;
    bool counts_every_press_ = false;
    bool folded_ = false;  // hidden by folding the widget to no size; its size is kept here
    QSize folded_size_;
    int mouse_pointer_ = kDefaultPointer;
    std::string tool_tip_;
};

// Anything that holds controls: a window's client area or a picture box's drawing area.
class Container {
public:
    virtual ~Container() = default;
    // The widget the children are parented to; its origin is the drawing area's (0, 0).
    virtual QWidget* client_widget() const = 0;
    // Whether this container and all containers above it take mouse input.
    virtual bool takes_mouse() const = 0;
};

}  // namespace platform
