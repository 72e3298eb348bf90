// The HUD values left of the board: every change on screen goes through these setters.
#include "core/hud.h"

#include <string>

#include "core/game_state.h"
#include "core/utility.h"
#include "ui/mainform.h"
#include "ui/screen_state.h"

namespace core {

namespace {

void write_pair(platform::Label* value, platform::Label* twin, const std::string& text) {
    value->set_caption(text);
    twin->set_caption(text);
}

std::string marks(int n) {
    std::string t;
    for (int i = 0; i < n; ++i) t += "X ";
    return t;
}

}  // namespace

void add_score(std::int32_t n) {
    CoreState& s = state();
    // Wraps like the 32-bit sum it is, rather than being undefined on overflow.
    s.score = static_cast<std::int32_t>(static_cast<std::uint32_t>(s.score) + static_cast<std::uint32_t>(n));
    ui::MainForm& f = ui::mainform();
    write_pair(f.Label_score, f.Label_scores, format_thousands(s.score, ","));
}

void show_round() {
    ui::MainForm& f = ui::mainform();
    write_pair(f.Label_round, f.label_rounds, format_thousands(state().round_no, ","));
}

void show_timer() {
    const std::int16_t left = state().round_time_left;
    ui::MainForm& f = ui::mainform();
    write_pair(f.Label_timer, f.Label_timers, left == -1 ? "-" : std::to_string(left));
}

void add_misses(int n) {
    CoreState& s = state();
    int v = static_cast<int>(s.misses) + n;
    if (v < 0) v = 0;
    if (v > 255) v = 255;  // the counter is one byte; it must not wrap to a small number
    s.misses = static_cast<std::uint8_t>(v);
    ui::mainform().Label_misses->set_caption(marks(s.misses));
}

void show_misslimit() { ui::mainform().Label_missest->set_caption(marks(state().miss_limit)); }

void show_level() {
    const std::int16_t level = state().level;
    std::string text = std::to_string(level);
    if (ui::screen().game_mode == core::GameMode::Linear) {
        switch (level) {
            case 10: text = "xtreme"; break;
            case 11: text = "chaos!"; break;
            case 12: text = "@_@"; break;
            case 13: text = "infinite"; break;
            default: break;
        }
    }
    ui::MainForm& f = ui::mainform();
    write_pair(f.Label_LEVEL, f.Label_LEVELS, text);
}

}  // namespace core
