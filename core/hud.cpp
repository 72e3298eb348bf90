// The HUD values left of the board: every change on screen goes through these setters.
#include "core/hud.h"

#include <string>

#include "core/game_state.h"
#include "core/round_links.h"
#include "core/utility.h"

namespace core {

namespace {

std::string marks(int n) {
    std::string t;
    for (int i = 0; i < n; ++i) t += "X ";
    return t;
}

}  // namespace

void add_score(std::int32_t n) {
    CoreState& s = core_state();
    // Wraps like the 32-bit sum it is, rather than being undefined on overflow.
    s.score = static_cast<std::int32_t>(static_cast<std::uint32_t>(s.score) + static_cast<std::uint32_t>(n));
    screens().write_hud(HudValue::Score, format_thousands(s.score, ","));
}

void show_round() {
    screens().write_hud(HudValue::Round, format_thousands(core_state().round_no, ","));
}

void show_timer() {
    const std::int16_t left = core_state().round_time_left;
    screens().write_hud(HudValue::Timer, left == -1 ? "-" : std::to_string(left));
}

void add_misses(int n) {
    CoreState& s = core_state();
    int v = static_cast<int>(s.misses) + n;
    if (v < 0) v = 0;
    if (v > 255) v = 255;  // the counter is one byte; it must not wrap to a small number
    s.misses = static_cast<std::uint8_t>(v);
    screens().write_hud(HudValue::Misses, marks(s.misses));
}

void show_misslimit() { screens().write_hud(HudValue::MissLimit, marks(core_state().miss_limit)); }

void show_level() {
    const std::int16_t level = core_state().level;
    const auto named = mode_steps().level_text;
    const std::string text = named ? named(level) : std::to_string(level);
    screens().write_hud(HudValue::Level, text);
}

}  // namespace core
