// The side panels: frame and panel positions per tick, and a new slide starting over.
#include <gtest/gtest.h>

#include <vector>

#include "support/game_fixture.h"
#include "ui/side_panel.h"

namespace {

class SidePanel : public testing_support::GameTest {
protected:
    // Frame tops after each tick until the slide stops.
    std::vector<int> tops(int sel) {
        std::vector<int> out;
        while (form().Timer_box.enabled() && out.size() < 50) {
            form().Timer_box.fire();
            out.push_back(form().Shape_box->top());
            EXPECT_EQ(form().Shape_box->left(), 150);
            EXPECT_EQ(form().pbox_box[static_cast<std::size_t>(sel)]->left(), 155);
            EXPECT_EQ(form().pbox_box[static_cast<std::size_t>(sel)]->top(), out.back() + 5);
        }
        return out;
    }
};

TEST_F(SidePanel, InTakesTwelveTicksUpAndOutSevenDown) {
    ui::start_box_slide(1, 2);
    EXPECT_EQ(tops(2), (std::vector<int>{419, 412, 405, 398, 391, 384, 377, 370, 363, 356, 349, 342}));
    EXPECT_EQ(ui::screen().panel_step, 0);
    ui::start_box_slide(0, 2);
    EXPECT_EQ(tops(2), (std::vector<int>{356, 370, 384, 398, 412, 426, 440}));
    EXPECT_TRUE(form().pbox_box[2]->visible()) << "moved out of sight, not hidden";
}

TEST_F(SidePanel, ANewSlideStartsOverAndShowsOnlyItsPanel) {
    ui::start_box_slide(1, 0);
    for (int i = 0; i < 5; ++i) form().Timer_box.fire();
    ui::start_box_slide(1, 2);
    EXPECT_FALSE(form().pbox_box[0]->visible());
    EXPECT_FALSE(form().pbox_box[1]->visible());
    EXPECT_TRUE(form().pbox_box[2]->visible());
    form().Timer_box.fire();
    EXPECT_EQ(form().Shape_box->top(), 419);
    for (int i = 0; i < 3; ++i) form().Timer_box.fire();
    ui::start_box_slide(0, 2);
    EXPECT_EQ(tops(2).front(), 356) << "a slide out starts at 356 wherever the frame was";
}

// Slid in, a panel shows only down to the window's bottom edge: the ending's page and ">>", every
// fireworks control and every bonus choice must lie in that part, the choices clear of the gift box.
TEST_F(SidePanel, EachPanelsControlsLieInThePartThatComesIntoView) {
    ui::MainForm& f = form();
    f.arrange_controls();
    const std::vector<std::vector<platform::Control*>> panels = {
        {f.Label_endstory, f.Label_btb0, f.shape_btb0},
        {f.Label7, f.pbox_pal, f.Label2, f.Label_fwtotal, f.Label_btc[0], f.Label_btc[1], f.Shape_btc[0],
         f.Shape_btc[1], f.Label_btb1, f.shape_btb1},
        {f.Label_btype[0], f.Label_btype[1], f.Label_btype[2], f.Label8},
    };
    for (int sel = 0; sel <= 2; ++sel) {
        ui::start_box_slide(1, sel);
        tops(sel);
        const platform::PictureBox& box = *f.pbox_box[static_cast<std::size_t>(sel)];
        const int seen = f.client_height() - box.top();
        EXPECT_GT(seen, 60) << sel;
        for (const platform::Control* c : panels[static_cast<std::size_t>(sel)]) {
            EXPECT_GE(c->top(), 0) << sel;
            EXPECT_LE(c->top() + c->height(), seen) << sel << " at " << c->left() << "," << c->top();
            EXPECT_LE(c->left() + c->width(), box.width()) << sel << " at " << c->left() << "," << c->top();
            if (sel == 2) {
                EXPECT_GE(c->left(), 10 + 75) << "clear of the gift box";
            }
        }
    }
}

}  // namespace
