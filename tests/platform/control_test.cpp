// Tests of controls: the old mouse order, disabled boxes, pointers, placement, layering, lists.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/picture_box.h"

namespace {

using platform::Colour;
using platform::Form;
using platform::Label;
using platform::MouseArgs;
using platform::PictureBox;
using platform::rgb;

constexpr Colour kRed = rgb(255, 0, 0);
constexpr Colour kBlue = rgb(0, 0, 255);

// Records the events a control receives as short words, with coordinates where they matter.
struct EventLog {
    std::vector<std::string> events;
    std::vector<MouseArgs> args;
    void watch(platform::Control& c) {
        c.on_mouse_down = [this](const MouseArgs& a) { add("down", a); };
        c.on_mouse_up = [this](const MouseArgs& a) { add("up", a); };
        c.on_mouse_move = [this](const MouseArgs& a) { add("move", a); };
        c.on_click = [this] { events.push_back("click"); };
        c.on_dblclick = [this] { events.push_back("dbl"); };
    }
    void add(const char* what, const MouseArgs& a) {
        events.push_back(what);
        args.push_back(a);
    }
};

using Words = std::vector<std::string>;

void move_without_button(QWidget* w, QPoint at, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QMouseEvent ev(QEvent::MouseMove, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::NoButton,
                   Qt::NoButton, mods);
    QApplication::sendEvent(w, &ev);
}

class ControlTest : public ::testing::Test {
protected:
    Form form{"controls", 200, 150};
};

TEST_F(ControlTest, ClickComesAsDownUpClickAndADoubleClickGivesNoSecondClick) {
    Label label(&form, 10, 10, 50, 20, "hit me");
    EventLog log;
    log.watch(label);
    QTest::mouseClick(label.widget(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(label.widget(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(label.widget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(log.events, (Words{"down", "up", "click", "dbl", "up"}));
}

TEST_F(ControlTest, ReleasingOutsideGivesUpButNoClick) {
    Label label(&form, 10, 10, 50, 20);
    EventLog log;
    log.watch(label);
    QTest::mousePress(label.widget(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(label.widget(), Qt::LeftButton, {}, QPoint(80, 5));
    EXPECT_EQ(log.events, (Words{"down", "up"}));
}

TEST_F(ControlTest, ButtonsShiftAndMovesWithoutAButtonUseTheOldNumbers) {
    Label label(&form, 10, 10, 50, 20);
    EventLog log;
    log.watch(label);
    QTest::mousePress(label.widget(), Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier,
                      QPoint(7, 8));
    move_without_button(label.widget(), QPoint(9, 3), Qt::AltModifier);
    ASSERT_EQ(log.events, (Words{"down", "move"}));
    EXPECT_EQ(log.args[0].button, platform::kRightButton);
    EXPECT_EQ(log.args[0].shift, 3);
    EXPECT_EQ(log.args[0].x, 7);
    EXPECT_EQ(log.args[0].y, 8);
    EXPECT_EQ(log.args[1].button, 0);
    EXPECT_EQ(log.args[1].shift, 4);
    // The test helpers remember held buttons across tests: let go, or later moves drag.
    QTest::mouseRelease(label.widget(), Qt::RightButton, {}, QPoint(9, 3));
}

TEST_F(ControlTest, BoxCoordinatesStartInsideTheBorder) {
    PictureBox box(&form, 20, 20, 100, 80);
    EventLog log;
    log.watch(box);
    QTest::mousePress(box.client_widget(), Qt::LeftButton, {}, QPoint(3, 4));
    QTest::mouseRelease(box.client_widget(), Qt::LeftButton, {}, QPoint(3, 4));
    QTest::mousePress(box.widget(), Qt::LeftButton, {}, QPoint(1, 1));  // on the border itself
    ASSERT_EQ(log.args.size(), 3u);
    EXPECT_EQ(log.args[0].x, 3);
    EXPECT_EQ(log.args[0].y, 4);
    EXPECT_EQ(log.args[2].x, -1);
    EXPECT_EQ(log.args[2].y, -1);
    EXPECT_EQ(log.events.back(), "down");
    QTest::mouseRelease(box.widget(), Qt::LeftButton, {}, QPoint(1, 1));
}

TEST_F(ControlTest, DisabledBoxTakesNoMouseForItselfOrItsChildrenAndIsNotGreyed) {
    PictureBox box(&form, 10, 10, 120, 100);
    Label inner(&box, 5, 5, 40, 20, "inner");
    EventLog box_log, inner_log;
    box_log.watch(box);
    inner_log.watch(inner);
    box.set_enabled(false);
    QTest::mouseClick(box.client_widget(), Qt::LeftButton, {}, QPoint(60, 60));
    QTest::mouseClick(inner.widget(), Qt::LeftButton, {}, QPoint(3, 3));
    move_without_button(inner.widget(), QPoint(4, 4));
    EXPECT_TRUE(box_log.events.empty());
    EXPECT_TRUE(inner_log.events.empty());
    EXPECT_TRUE(box.widget()->isEnabled());
    EXPECT_TRUE(inner.widget()->isEnabled());

    box.set_enabled(true);
    QTest::mouseClick(inner.widget(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(inner_log.events, (Words{"down", "up", "click"}));

    form.set_enabled(false);  // a window that takes no mouse silences everything on it
    QTest::mouseClick(inner.widget(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(inner_log.events.size(), 3u);
}

TEST_F(ControlTest, DisabledPushButtonDoesNotPressEither) {
    platform::Button button(&form, 10, 10, 80, 24, "Go");
    EventLog log;
    log.watch(button);
    button.set_enabled(false);
    QTest::mousePress(button.widget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(static_cast<QAbstractButton*>(button.widget())->isDown());
    QTest::mouseRelease(button.widget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(log.events.empty());
    EXPECT_TRUE(button.widget()->isEnabled());
    EXPECT_EQ(button.widget()->focusPolicy(), Qt::NoFocus);
}

TEST_F(ControlTest, MousePointerIsReadBackAndShownAsTheUpArrow) {
    platform::Image image(&form, 0, 0, 10, 10);
    image.set_mouse_pointer(platform::kUpArrowPointer);
    EXPECT_EQ(image.mouse_pointer(), platform::kUpArrowPointer);
    EXPECT_EQ(image.widget()->cursor().shape(), Qt::UpArrowCursor);
    image.set_mouse_pointer(platform::kDefaultPointer);
    EXPECT_EQ(image.mouse_pointer(), platform::kDefaultPointer);
    EXPECT_FALSE(image.widget()->testAttribute(Qt::WA_SetCursor));
}

TEST_F(ControlTest, OnlyControlsWithSomethingToDoTakeTheMouse) {
    PictureBox box(&form, 0, 0, 100, 100, PictureBox::kNoBorder);
    platform::Shape shape(&box, 10, 10, 30, 30, platform::Shape::kCircle);
    platform::Line line(&box, 50, 10, 90, 40);
    Label idle(&box, 10, 60, 30, 30);
    platform::Image picture(&box, 60, 60, 30, 30);
    QWidget* area = box.client_widget();
    for (QPoint at : {QPoint(20, 20), QPoint(70, 25), QPoint(20, 70), QPoint(70, 70)})
        EXPECT_EQ(area->childAt(at), nullptr) << at.x() << "," << at.y();

    shape.on_click = [] {};  // a shape never takes the mouse
    idle.on_mouse_move = [](const MouseArgs&) {};
    picture.set_tool_tip("hover me");
    EXPECT_EQ(area->childAt(20, 20), nullptr);
    EXPECT_EQ(area->childAt(20, 70), idle.widget());
    EXPECT_EQ(area->childAt(70, 70), picture.widget());
    idle.on_mouse_move = nullptr;
    picture.set_tool_tip("");
    picture.set_mouse_pointer(platform::kUpArrowPointer);
    EXPECT_EQ(area->childAt(20, 70), nullptr);
    EXPECT_EQ(area->childAt(70, 70), picture.widget());
}

TEST_F(ControlTest, LineWidgetCoversBothEndsInContainerCoordinates) {
    platform::Line line(&form, 40, 30, 10, 50);
    const QRect g = line.widget()->geometry();
    EXPECT_TRUE(g.contains(40, 30));
    EXPECT_TRUE(g.contains(10, 50));
    line.set_points(100, 100, 100, 100);
    EXPECT_TRUE(line.widget()->geometry().contains(100, 100));
}

// A hidden line or shape keeps its size and place for when it is shown again, takes moves
// while hidden, and draws nothing until then.
TEST_F(ControlTest, HiddenLinesAndShapesKeepTheirGeometryAndDrawNothing) {
    form.set_back_colour(platform::kWhite);
    form.show();  // hiding on a window on screen folds the widget instead
    platform::Line line(&form, 20, 20, 60, 20, kRed);
    platform::Shape ring(&form, 100, 50, 40, 30, platform::Shape::kOval);
    const int ring_w = ring.width(), line_h = line.height();
    auto inked = [&](const QRect& r) {  // pixels of r not the window's white
        const QImage shot = form.widget()->grab().toImage();
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) n += platform::from_qrgb(shot.pixel(x, y)) != platform::kWhite;
        return n;
    };
    const QRect ring_was(100, 50, 40, 30), ring_now(10, 100, 50, 20);
    ASSERT_EQ(inked(QRect(40, 20, 1, 1)), 1);
    ASSERT_GT(inked(ring_was), 0);

    line.set_visible(false);
    ring.set_visible(false);
    EXPECT_EQ(ring.width(), ring_w);
    EXPECT_EQ(inked(QRect(40, 20, 1, 1)) + inked(ring_was), 0);
    line.set_points(20, 80, 60, 80);  // moved while hidden
    ring.move(ring_now.x(), ring_now.y(), ring_now.width(), ring_now.height());
    EXPECT_EQ(line.height(), line_h);
    EXPECT_EQ(inked(QRect(40, 80, 1, 1)), 0);

    line.set_visible(true);
    ring.set_visible(true);
    EXPECT_EQ(inked(QRect(40, 80, 1, 1)), 1);
    EXPECT_EQ(inked(QRect(40, 20, 1, 1)) + inked(ring_was), 0);
    EXPECT_EQ(ring.widget()->geometry(), ring_now);
    EXPECT_GT(inked(ring_now), 0);
}

// Moving a line's box repaints it anyway; a line drawn the other way across the same box must
// still ask for its repaint.
TEST_F(ControlTest, ALineRedrawnAcrossTheSameBoxIsRepainted) {
    struct PaintCount : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    } count;
    platform::Line line(&form, 10, 10, 40, 30, kRed);
    form.show();
    QCoreApplication::processEvents();
    line.widget()->installEventFilter(&count);
    line.set_points(10, 30, 40, 10);
    QCoreApplication::processEvents();
    EXPECT_GT(count.paints, 0);
    count.paints = 0;
    line.set_points(60, 30, 90, 10);
    QCoreApplication::processEvents();
    EXPECT_GT(count.paints, 0);
}

TEST_F(ControlTest, LabelsStayBeneathWindowedControlsWhateverTheOrder) {
    PictureBox box(&form, 0, 0, 100, 100, PictureBox::kNoBorder);
    Label late(&form, 10, 10, 30, 30);  // created after the box, overlapping it
    late.on_click = [] {};
    QWidget* area = form.client_widget();
    EXPECT_EQ(area->childAt(20, 20), box.client_widget());
    late.bring_to_front();
    EXPECT_EQ(area->childAt(20, 20), box.client_widget());
    box.send_to_back();
    EXPECT_EQ(area->childAt(20, 20), box.client_widget());
    box.set_visible(false);
    EXPECT_EQ(area->childAt(20, 20), late.widget());
}

TEST(PictureBoxPlacement, BorderedBoxDrawsAndPlacesChildrenInsideTheBorder) {
    Form form("box", 200, 200, platform::kBlack);
    PictureBox box(&form, 10, 10, 60, 50);
    EXPECT_EQ(box.scale_width(), 56);
    EXPECT_EQ(box.scale_height(), 46);
    Label child(&box, -5, -5, 30, 30);  // reaches past the drawing area's corner
    child.set_back_colour(kRed);
    EXPECT_EQ(child.widget()->mapTo(box.widget(), QPoint(5, 5)), QPoint(2, 2));

    const QImage shot = box.widget()->grab().toImage();
    EXPECT_NE(platform::from_qrgb(shot.pixel(1, 1)), kRed);  // clipped off the border
    EXPECT_EQ(platform::from_qrgb(shot.pixel(2, 2)), kRed);

    box.set_width(80);
    EXPECT_EQ(box.scale_width(), 76);
    box.move(0, 0, 30, 20);
    EXPECT_EQ(box.scale_width(), 26);
    EXPECT_EQ(box.scale_height(), 16);
    box.set_border_style(PictureBox::kNoBorder);
    EXPECT_EQ(box.scale_width(), 30);
    EXPECT_EQ(child.widget()->mapTo(box.widget(), QPoint(5, 5)), QPoint(0, 0));
    box.move(0, 0, 3, -7);  // nonsense sizes give an empty drawing area, not a crash
    EXPECT_EQ(box.scale_height(), 0);
}

TEST(PictureBoxPlacement, BoxShowsItsImageWithTheTransientLayerOnTop) {
    Form form("box", 100, 100);
    PictureBox box(&form, 0, 0, 20, 20, PictureBox::kNoBorder, kBlue);
    box.draw().set_pixel(5, 5, kRed);
    const QImage shot = box.widget()->grab().toImage();
    EXPECT_EQ(platform::from_qrgb(shot.pixel(5, 5)), kRed);
    EXPECT_EQ(platform::from_qrgb(shot.pixel(6, 6)), kBlue);
}

TEST(PictureBoxPlacement, ControlsOutlivingTheirWindowAreInertNotDangling) {
    auto form = std::make_unique<Form>("gone", 100, 100);
    Label label(form.get(), 0, 0, 10, 10);
    PictureBox box(form.get(), 0, 0, 50, 50);
    form.reset();
    EXPECT_EQ(label.widget(), nullptr);
    EXPECT_EQ(box.client_widget(), nullptr);
    label.set_caption("still here");
    label.move(1, 2, 3, 4);
    box.set_width(10);
    box.draw().set_pixel(1, 1, kRed);
    EXPECT_EQ(box.pixel(1, 1), kRed);
}

TEST_F(ControlTest, AHandlerMayDestroyItsOwnControl) {
    auto* label = new Label(&form, 0, 0, 20, 20);
    int clicks = 0;
    label->on_mouse_up = [&](const MouseArgs&) {
        delete label;
        label = nullptr;
    };
    label->on_click = [&] { ++clicks; };
    QWidget* w = label->widget();
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(label, nullptr);
    EXPECT_EQ(clicks, 0);
}

TEST(LabelText, EveryOldLineEndBecomesOneBreak) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {{"a\rb", "a\nb"},   {"a\r\nb", "a\nb"}, {"a\nb", "a\nb"},
                 {"a\r\r\nb", "a\n\nb"}, {"end\r", "end\n"}, {"\n\r", "\n\n"}, {"", ""}};
    for (const auto& k : cases) EXPECT_EQ(platform::line_breaks_to_lf(k.in), k.out) << k.in;
}

TEST(LabelText, OpaqueLabelPaintsItsBackTransparentOneDoesNot) {
    Form form("label", 100, 100, kBlue);
    Label label(&form, 0, 0, 40, 20);
    label.set_back_colour(kRed);
    QImage shot = form.widget()->grab().toImage();
    EXPECT_EQ(platform::from_qrgb(shot.pixel(39, 19)), kRed);
    label.set_transparent(true);
    shot = form.widget()->grab().toImage();
    EXPECT_EQ(platform::from_qrgb(shot.pixel(39, 19)), kBlue);
}

TEST(ShapePaint, FillStylesAndBackStyleDecideTheInside) {
    const struct {
        int fill_style;
        bool back_opaque;
        bool expect_fill, expect_back, expect_form;
    } cases[] = {
        {platform::Shape::kFillSolid, false, true, false, false},
        {platform::Shape::kFillTransparent, false, false, false, true},
        {platform::Shape::kFillTransparent, true, false, true, false},
        {platform::Shape::kFillDiagonalCross, true, true, true, false},
        {platform::Shape::kFillDiagonalCross, false, true, false, true},
    };
    constexpr Colour kFormBack = rgb(0, 0, 0);
    constexpr Colour kFill = rgb(255, 0, 0);
    constexpr Colour kBack = rgb(0, 255, 0);
    for (const auto& k : cases) {
        Form form("shape", 60, 60, kFormBack);
        platform::Shape shape(&form, 0, 0, 40, 40, platform::Shape::kRectangle);
        shape.set_border_colour(kBlue);
        shape.set_fill_colour(kFill);
        shape.set_fill_style(k.fill_style);
        shape.set_back_colour(kBack);
        shape.set_back_opaque(k.back_opaque);
        const QImage shot = form.widget()->grab().toImage();
        bool fill = false, back = false, bare = false;
        for (int y = 5; y < 35; ++y)
            for (int x = 5; x < 35; ++x) {
                const Colour c = platform::from_qrgb(shot.pixel(x, y));
                fill |= c == kFill;
                back |= c == kBack;
                bare |= c == kFormBack;
            }
        EXPECT_EQ(fill, k.expect_fill) << k.fill_style << " " << k.back_opaque;
        EXPECT_EQ(back, k.expect_back) << k.fill_style << " " << k.back_opaque;
        EXPECT_EQ(bare, k.expect_form) << k.fill_style << " " << k.back_opaque;
        EXPECT_EQ(platform::from_qrgb(shot.pixel(0, 20)), kBlue);  // the outline
        EXPECT_EQ(platform::from_qrgb(shot.pixel(45, 20)), kFormBack);
    }
}

TEST(ShapePaint, BrokenBordersBreakOnlyAtOnePixel) {
    using S = platform::Shape;
    const struct {
        int style, width;
        bool broken;
    } cases[] = {
        {S::kBorderSolid, 1, false}, {S::kBorderDash, 1, true},      {S::kBorderDashDotDot, 1, true},
        {S::kBorderDash, 2, false},  {S::kBorderDashDotDot, 3, false},
    };
    for (const auto& k : cases) {
        Form form("shape", 60, 60, rgb(0, 0, 0));
        S shape(&form, 0, 0, 50, 50, S::kRectangle);
        shape.set_border_colour(kBlue);
        shape.set_border_width(k.width);
        shape.set_border_style(k.style);
        const QImage shot = form.widget()->grab().toImage();
        // Along the top edge, away from the corners.
        int off = 0;
        for (int x = 5; x < 45; ++x) off += platform::from_qrgb(shot.pixel(x, 0)) == kBlue ? 0 : 1;
        EXPECT_EQ(off > 0, k.broken) << k.style << " at " << k.width;
        EXPECT_LT(off, 40) << k.style << " at " << k.width;
    }
}

TEST_F(ControlTest, ImageTakesThePictureSizeUnlessStretched) {
    platform::Image image(&form, 5, 5, 10, 10);
    image.set_picture(platform::make_picture(30, 20, kRed));
    EXPECT_EQ(image.width(), 30);
    EXPECT_EQ(image.height(), 20);
    image.set_stretch(true);
    image.move(5, 5, 8, 8);
    image.set_picture(platform::make_picture(40, 40, kRed));
    EXPECT_EQ(image.width(), 8);
}

TEST_F(ControlTest, ComboBoxStartsUnchosenAndCodeChoicesClickOnce) {
    platform::ComboBox combo(&form, 0, 0, 100);
    int clicks = 0;
    combo.on_click = [&] { ++clicks; };
    combo.add_item("Easy");
    combo.add_item("Hard");
    EXPECT_EQ(combo.list_index(), -1);
    EXPECT_EQ(combo.text(), "");
    combo.set_list_index(1);
    combo.set_list_index(1);
    combo.set_list_index(7);  // outside the list: nothing changes
    EXPECT_EQ(combo.list_index(), 1);
    EXPECT_EQ(combo.text(), "Hard");
    EXPECT_EQ(combo.item(0), "Easy");
    EXPECT_EQ(combo.item(-1), "");
    EXPECT_EQ(clicks, 1);
    combo.clear();
    EXPECT_EQ(combo.list_count(), 0);
}

TEST_F(ControlTest, MultiLineTextBoxSpeaksTheOldLineEnds) {
    platform::TextBox box(&form, 0, 0, 100, 60, true, true);
    box.set_text("one\rtwo\nthree");
    EXPECT_EQ(box.text(), "one\r\ntwo\r\nthree");
    box.set_max_length(5);
    EXPECT_EQ(box.text(), "one\r\nt");
    platform::TextBox line(&form, 0, 70, 100, 20);
    line.set_max_length(3);
    line.set_text("abcdef");
    EXPECT_EQ(line.text(), "abc");
}

}  // namespace
