// Tests of windows: the old key numbers, keys reaching the window, close requests, modal visits.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/controls.h"
#include "platform/picture_box.h"

namespace {

using platform::Form;

struct KeyLog {
    std::vector<std::pair<int, int>> downs;  // code, shift
    std::vector<int> presses;
    void watch(Form& f) {
        f.on_key_down = [this](int code, int shift) { downs.emplace_back(code, shift); };
        f.on_key_press = [this](int ch) { presses.push_back(ch); };
    }
};

TEST(FormKeys, QtKeysArriveAsTheOldKeyNumbersAndTypedCharacters) {
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        int code;
        int typed;  // 0: no key press
    } cases[] = {
        {Qt::Key_Left, Qt::NoModifier, 37, 0},    {Qt::Key_Up, Qt::NoModifier, 38, 0},
        {Qt::Key_Right, Qt::NoModifier, 39, 0},   {Qt::Key_Down, Qt::NoModifier, 40, 0},
        {Qt::Key_Return, Qt::NoModifier, 13, 13}, {Qt::Key_Enter, Qt::KeypadModifier, 13, 13},
        {Qt::Key_Space, Qt::NoModifier, 32, 32},  {Qt::Key_Escape, Qt::NoModifier, 27, 27},
        {Qt::Key_A, Qt::NoModifier, 65, 'a'},     {Qt::Key_Z, Qt::NoModifier, 90, 'z'},
        {Qt::Key_0, Qt::NoModifier, 48, '0'},     {Qt::Key_9, Qt::NoModifier, 57, '9'},
        {Qt::Key_5, Qt::KeypadModifier, 101, '5'}, {Qt::Key_F1, Qt::NoModifier, 112, 0},
        {Qt::Key_Tab, Qt::NoModifier, 9, 9},      {Qt::Key_Delete, Qt::NoModifier, 46, 0},
    };
    for (const auto& k : cases) {
        Form form("keys", 50, 50);
        KeyLog log;
        log.watch(form);
        QTest::keyClick(form.widget(), k.key, k.mods);
        ASSERT_EQ(log.downs.size(), 1u) << k.code;
        EXPECT_EQ(log.downs[0].first, k.code);
        EXPECT_EQ(log.downs[0].second, 0) << k.code;
        if (k.typed)
            EXPECT_EQ(log.presses, std::vector<int>{k.typed}) << k.code;
        else
            EXPECT_TRUE(log.presses.empty()) << k.code;
    }
}

TEST(FormKeys, ShiftFlagsComeWithTheKey) {
    Form form("keys", 50, 50);
    KeyLog log;
    log.watch(form);
    QTest::keyClick(form.widget(), Qt::Key_Left, Qt::ShiftModifier | Qt::ControlModifier);
    ASSERT_FALSE(log.downs.empty());
    EXPECT_EQ(log.downs.back(), std::make_pair(37, 3));
}

TEST(FormKeys, TheWindowKeepsTheKeyboardWhateverControlWasClicked) {
    Form form("keys", 200, 100);
    platform::Button button(&form, 10, 10, 60, 24, "Go");
    platform::ComboBox combo(&form, 80, 10, 80);
    platform::Label label(&form, 10, 50, 60, 20, "text");
    form.show();
    QApplication::setActiveWindow(form.widget());
    form.widget()->setFocus();
    for (QWidget* w : {button.widget(), combo.widget(), label.widget()}) {
        EXPECT_EQ(w->focusPolicy(), Qt::NoFocus);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_TRUE(form.widget()->hasFocus());
    }
    QTest::keyClick(form.widget(), Qt::Key_Escape);
    EXPECT_TRUE(form.is_shown());  // Escape alone closes nothing
    form.hide();
}

TEST(FormClose, CloseRequestsGoThroughTheQueryAndMayBeRefused) {
    Form form("close", 50, 50);
    std::int16_t answer = 1;
    int queries = 0;
    form.on_query_unload = [&](std::int16_t& cancel) {
        ++queries;
        cancel = answer;
    };
    form.show();
    form.widget()->close();  // as the close box would
    EXPECT_TRUE(form.is_shown());
    answer = 0;
    form.widget()->close();
    EXPECT_FALSE(form.is_shown());
    EXPECT_EQ(queries, 2);

    // A window that must not be dismissed refuses the player but not the game.
    form.set_closable(false);
    form.show();
    EXPECT_FALSE(form.deliver_close_request());
    form.widget()->close();
    EXPECT_TRUE(form.is_shown());
    EXPECT_EQ(queries, 2);
    form.close();
    EXPECT_FALSE(form.is_shown());
    EXPECT_EQ(queries, 3);
}

TEST(FormWindow, ClientSizeIsFixedAndSetOnlyOnPurpose) {
    Form form("size", 120, 80);
    EXPECT_EQ(form.client_width(), 120);
    EXPECT_EQ(form.widget()->minimumSize(), form.widget()->maximumSize());
    form.widget()->resize(400, 400);
    EXPECT_EQ(form.widget()->size(), QSize(120, 80));
    form.set_client_size(90, 70);
    EXPECT_EQ(form.widget()->size(), QSize(90, 70));
    EXPECT_EQ(form.scale_width(), 90);
    EXPECT_EQ(form.client_height(), 70);
    form.set_client_size(-4, 0);  // nonsense gives the smallest window, not a crash
    EXPECT_EQ(form.client_width(), 1);
}

TEST(FormWindow, MouseOnTheWindowItselfClicksAndADisabledWindowIgnoresIt) {
    Form form("mouse", 100, 100);
    std::vector<int> events;
    form.on_mouse_down = [&](const platform::MouseArgs& a) { events.push_back(int(a.x)); };
    form.on_click = [&] { events.push_back(-1); };
    QTest::mouseClick(form.widget(), Qt::LeftButton, {}, QPoint(12, 30));
    EXPECT_EQ(events, (std::vector<int>{12, -1}));
    form.set_enabled(false);
    QTest::mouseClick(form.widget(), Qt::LeftButton, {}, QPoint(12, 30));
    EXPECT_EQ(events.size(), 2u);
}

class FormModal : public ::testing::Test {
protected:
    void TearDown() override { Form::set_modal_runner(nullptr); }
};

TEST_F(FormModal, RunnerStandsForTheVisitToTheShownWindow) {
    Form owner("owner", 300, 200);
    owner.widget()->move(100, 100);
    Form box("modal", 100, 50);
    std::vector<Form*> seen;
    bool shown_during = false;
    Form::set_modal_runner([&](Form& f) {
        seen.push_back(&f);
        shown_during = f.is_shown();
    });
    box.show_modal(&owner);
    EXPECT_EQ(seen, std::vector<Form*>{&box});
    EXPECT_TRUE(shown_during);
    EXPECT_FALSE(box.is_shown());
    // Within a window frame's width: frames are only known once a window is shown.
    const QPoint off = box.widget()->geometry().center() - owner.widget()->geometry().center();
    EXPECT_LE(off.manhattanLength(), 8);
}

TEST_F(FormModal, RealLoopRunsUntilTheWindowCloses) {
    Form owner("owner", 300, 200);
    Form box("modal", 100, 50);
    std::vector<int> keys;
    box.on_key_down = [&](int code, int) { keys.push_back(code); };
    QTimer::singleShot(0, [&] {
        QTest::keyClick(box.widget(), Qt::Key_Escape);
        EXPECT_TRUE(box.is_shown());
        box.close();
    });
    box.show_modal(&owner);
    EXPECT_FALSE(box.is_shown());
    EXPECT_EQ(keys, std::vector<int>{27});
}

TEST_F(FormModal, WindowDestroyedDuringItsOwnVisitEndsTheVisitSafely) {
    auto* box = new Form("modal", 100, 50);
    QTimer::singleShot(0, [&] {
        delete box;
        box = nullptr;
    });
    box->show_modal(nullptr);
    EXPECT_EQ(box, nullptr);
}

}  // namespace
