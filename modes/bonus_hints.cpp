// The bonus chooser after a won secret round, and the one-shot hint on the map.
#include "modes/bonus_hints.h"

#include <cmath>
#include <cstdint>

#include "core/game_state.h"
#include "core/hud.h"
#include "core/rounding.h"
#include "modes/dice.h"
#include "modes/message_panel.h"
#include "modes/mode_state.h"
#include "ui/mainform.h"
#include "ui/side_panel.h"

namespace modes {

namespace {

const platform::Colour kChoiceColour = platform::rgb(191, 191, 255);

// The map is 21 x 16 squares, so every real distance lies below this.
constexpr float kNoSecret = 100.0f;

}  // namespace

void choose_bonus() {
    core::core_state().game_state = core::StateWord::ChooseBonus;
    for (auto* label : ui::mainform().Label_btype) label->set_fore_colour(kChoiceColour);
    ui::start_box_slide(1, 2);
}

void apply_bonus(int index) {
    core::CoreState& s = core::core_state();
    ui::MainForm& f = ui::mainform();
    // A second click or key while the chooser slides out would give a second bonus and a
    // second roll in the middle of the trip.
    if (s.game_state != core::StateWord::ChooseBonus || index < 0 || index > 2) return;
    switch (index) {
        case 0: core::add_misses(core::kClearMisses); break;
        case 1:
            if (s.miss_limit < 255) s.miss_limit = static_cast<std::uint8_t>(s.miss_limit + 1);
            core::show_misslimit();
            break;
        case 2:
            s.time_limit = core::cint(s.time_limit + 5.0);
            s.round_time_left = s.time_limit;
            core::show_timer();
            break;
    }
    f.Label_btype[static_cast<std::size_t>(index)]->set_fore_colour(platform::kWhite);
    ui::start_box_slide(0, 2);
    roll_dice();
}

void use_hint() {
    ui::MainForm& f = ui::mainform();
    if (f.Timer_dice.enabled()) {
        // The next roll starts again at the difficulty's pace.
        f.Timer_dice.set_interval(200);
        show_msg("Dice roll speed decreased!");
    } else {
        hint_nearest_secret();
    }
    mode_state().hint_frame = -1;
    f.Pbox_hint->set_visible(false);
}

void hint_nearest_secret() {
    const ModeState& m = mode_state();
    float best = kNoSecret;
    for (std::size_t i = 1; i <= core::story_round::kLastSecret; ++i) {
        if (m.secret_state[i] != core::secret_state::kHidden) continue;
        const float d = secret_distance(m.pawn_col, m.pawn_row, m.secret_col[i], m.secret_row[i]);
        if (d < best) best = d;
    }
    if (best != 0.0f && best != kNoSecret) {
        const int r = core::cint(best * 20.0 + 10.0);
        platform::Shape& radar = *ui::mainform().Shape_rad;
        radar.set_fill_colour(platform::kWhite);
        radar.set_fill_style(platform::Shape::kFillDiagonalCross);
        radar.set_border_style(platform::Shape::kBorderTransparent);
        radar.move((m.pawn_col - 1) * 20 + 10 - r, (m.pawn_row - 1) * 20 + 10 - r, 2 * r, 2 * r);
        radar.set_visible(true);
    }
    if (best == 0.0f) {
        show_msg("You're right ON TOP of one of the secret round!");
    } else if (best == kNoSecret) {
        show_msg("Sorry. No hint for now. ");
    } else {
        show_msg("The nearest secret round is about...");
        show_msg("... " + distance_text(best) + " miles away.");
    }
}

float secret_distance(int x1, int y1, int x2, int y2) {
    const float dx = static_cast<float>(x1 - x2);
    const float dy = static_cast<float>(y1 - y2);
    return std::sqrt(dx * dx + dy * dy);
}

std::string distance_text(float distance) {
    const std::int64_t thousandths = core::round_to<std::int64_t>(static_cast<double>(distance) * 1000.0);
    std::string text = std::to_string(thousandths / 1000);
    std::int64_t frac = thousandths % 1000;
    if (frac == 0) return text;
    std::string digits = std::to_string(frac);
    digits.insert(0, 3 - digits.size(), '0');
    while (digits.back() == '0') digits.pop_back();
    return text + "." + digits;
}

}  // namespace modes
