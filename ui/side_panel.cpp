// The three side panels that slide up over the dice and the message panel, and back down.
#include "ui/side_panel.h"

#include "ui/mainform.h"
#include "ui/screen_state.h"

namespace ui {

namespace {

struct Slide {
    std::int16_t y0;
    std::int16_t dy;
    std::uint8_t steps;
};

// In: 12 moves up to a frame top of 342. Out: 7 faster moves down to 440, out of sight.
constexpr Slide kSlideIn{426, -7, 12};
constexpr Slide kSlideOut{342, 14, 7};

}  // namespace

void start_box_slide(int slide_in, int sel) {
    ScreenState& s = screen();
    MainForm& f = mainform();
    if (sel < 0 || static_cast<std::size_t>(sel) >= f.pbox_box.size()) return;
    const Slide& slide = slide_in != 0 ? kSlideIn : kSlideOut;
    s.panel_y0 = slide.y0;
    s.panel_dy = slide.dy;
    s.panel_steps = slide.steps;
    s.panel_sel = static_cast<std::uint8_t>(sel);
    s.panel_step = 0;
    for (auto* box : f.pbox_box) box->set_visible(false);
    f.pbox_box[static_cast<std::size_t>(sel)]->set_visible(true);
    f.Timer_box.set_enabled(true);
}

void Timer_box_Timer() {
    ScreenState& s = screen();
    MainForm& f = mainform();
    s.panel_step = static_cast<std::uint8_t>(s.panel_step + 1);
    const int y = s.panel_y0 + s.panel_step * s.panel_dy;
    f.Shape_box->move(kPanelFrameX, y);
    f.pbox_box[s.panel_sel % f.pbox_box.size()]->move(kPanelFrameX + kPanelInset, y + kPanelInset);
    if (s.panel_step >= s.panel_steps) {
        s.panel_step = 0;
        f.Timer_box.set_enabled(false);
    }
}

}  // namespace ui
