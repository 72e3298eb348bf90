// Small pieces shared by the platform's widget code: painted widgets and old-style mouse flags.
#pragma once

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QWidget>
#include <functional>
#include <utility>

#include "platform/control.h"

namespace platform::glue {

// A widget that leaves its painting to the control that owns it. Lightweight ones are kept
// beneath the windowed controls of their container (control.cpp reads the kind).
class PaintedWidget : public QWidget {
public:
    enum Kind { kWindowed, kLightweight };
    explicit PaintedWidget(std::function<void(QPainter&)> paint, Kind kind = kWindowed,
                           QWidget* parent = nullptr)
        : QWidget(parent), paint_(std::move(paint)), kind_(kind) {}

    Kind kind() const { return kind_; }
    // The part of the widget the paint running now repaints.
    const QRegion& painting() const { return painting_; }
    // Asks to repaint r too, the parts asked for since the last paint kept as one rectangle:
    // Qt works out a region of many rectangles for every widget above it at each repaint,
    // which cost more than painting the few pixels between them.
    void update_within(const QRect& r) {
        pending_ |= r;
        update(pending_);
    }

protected:
    void paintEvent(QPaintEvent* e) override {
        pending_ = QRect();
        painting_ = e->region();
        QPainter p(this);
        paint_(p);
    }

private:
    std::function<void(QPainter&)> paint_;
    Kind kind_;
    QRegion painting_;
    QRect pending_;
};

inline int old_buttons(Qt::MouseButtons bs) {
    int r = 0;
    if (bs & Qt::LeftButton) r |= kLeftButton;
    if (bs & Qt::RightButton) r |= kRightButton;
    if (bs & Qt::MiddleButton) r |= kMiddleButton;
    return r;
}

inline int old_shift(Qt::KeyboardModifiers m) {
    int r = 0;
    if (m & Qt::ShiftModifier) r |= 1;
    if (m & Qt::ControlModifier) r |= 2;
    if (m & Qt::AltModifier) r |= 4;
    return r;
}

}  // namespace platform::glue
