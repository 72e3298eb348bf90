// The blinking pop-up banner over the board and the round clock.
#include "ui/popup_clock.h"

#include "core/game_state.h"
#include "core/hud.h"
#include "core/round_flow.h"
#include "core/round_links.h"
#include "ui/mainform.h"
#include "ui/screen_state.h"

namespace ui {

void show_pmsg(int show, const std::string& text, int blinks) {
    ScreenState& s = screen();
    MainForm& f = mainform();
    s.pmsg_tick = 0;
    s.pmsg_blinks = static_cast<std::uint8_t>(blinks);
    if (show != 0) {
        f.Timer_pmsg.set_interval(100);
        f.Label_pmsg->set_caption(text);
        f.Timer_pmsg.set_enabled(true);
    } else {
        f.Timer_pmsg.set_enabled(false);
        f.Label_pmsg->set_visible(false);
    }
}

void Timer_pmsg_Timer() {
    ScreenState& s = screen();
    MainForm& f = mainform();
    s.pmsg_tick = static_cast<std::int16_t>(s.pmsg_tick + 1);
    const bool wiping = s.pmsg_tick >= s.pmsg_blinks;
    if (wiping || s.pmsg_tick % 2 == 1) {
        const std::string& caption = f.Label_pmsg->caption();
        if (wiping && caption.size() >= 3) {
            f.Timer_pmsg.set_interval(5);
            f.Label_pmsg->set_caption(caption.substr(2));
        }
        f.Label_pmsg->set_visible(true);
    } else {
        f.Label_pmsg->set_visible(false);
    }
    if (f.Label_pmsg->caption().size() < 3) show_pmsg(core::kPmsgHide, "", 0);
}

void Timer_timer_Timer() {
    core::CoreState& s = core::core_state();
    // Only a round in play runs out: a tick during a transition must not replace its word.
    if (s.game_state != core::StateWord::PlayPuzzle) return;
    if (screen().round_clock_holds > 0) return;
    s.round_time_left = static_cast<std::int16_t>(s.round_time_left - 1);
    if (s.round_time_left < 0) {
        mainform().Timer_timer.set_interval(1000);
        core::round_time_up();
    } else {
        core::show_timer();
    }
}

}  // namespace ui
