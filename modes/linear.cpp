// Linear mode: the level ladder, its rounds and rewards.
#include "modes/linear.h"

#include <string>

#include "core/game_state.h"
#include "core/hud.h"
#include "core/round_links.h"
#include "core/rounding.h"
#include "core/utility.h"
#include "modes/mode_state.h"
#include "pictures/colour_ramps.h"
#include "pictures/kinds.h"
#include "pictures/layers_shapes_dots.h"
#include "platform/services.h"
#include "ui/mainform.h"
#include "ui/popup_clock.h"
#include "ui/transition.h"

namespace modes {

void begin_linear_game() {
    init_linear();
    genpuzzle_pane();
}

void init_linear() {
    core::CoreState& s = core::core_state();
    ui::mainform().Img_changebg->set_visible(false);
    const std::size_t diff = mode_state().linear_diff < 5 ? mode_state().linear_diff : 0;
    s.cur_diff = s.diff_table[diff];
    s.last_round_result = core::RoundResult::None;
    s.castle_on = false;
    s.castle_won = false;
    s.level = 1;
    s.level_rounds = 0;
    s.linear_wins = 0;
    core::show_level();
    s.game_state = core::StateWord::Starting;
    s.score = 0;
    core::add_score(0);
    s.round_no = 0;
    core::show_round();
    s.time_limit = s.cur_diff.secs;
    s.round_time_left = -1;
    core::show_timer();
    core::add_misses(core::kClearMisses);
    s.miss_limit = s.cur_diff.max_misses;
    core::show_misslimit();
}

void genpuzzle_pane() { ui::pane_close(core::PaneWord::GenPuzzle); }

void linear_round() {
    core::CoreState& s = core::core_state();
    pictures::make_round_colours();
    s.level_up_chance = s.cur_diff.bonus_chance;
    s.linear_quota = static_cast<std::int16_t>(5 * s.level + s.cur_diff.quota_base);

    if (s.last_round_result == core::RoundResult::Won && s.round_kind == core::linear_round::kBonus) {
        if (s.level < 13) {
            level_up();
        } else {
            bonus_reward();
        }
        s.round_kind = core::linear_round::kNormal;
    } else {
        s.round_kind = core::linear_round::kNormal;
        if (s.level >= 13) {
            if (s.linear_wins % 8 == 0) s.round_kind = core::linear_round::kBonus;
        } else if (s.linear_wins > s.linear_quota) {
            const int j = core::rnd_range(0, 100);
            if (j <= s.level_up_chance) s.round_kind = core::linear_round::kBonus;
        }
    }

    int kind;
    if (s.level <= 12) {
        const std::string& sizes = s.cur_diff.board_sizes;
        const std::size_t at = static_cast<std::size_t>(3 * (s.level - 1) + 1);  // 0-based
        const bool ok = at + 1 < sizes.size() && std::isdigit(static_cast<unsigned char>(sizes[at])) &&
                        std::isdigit(static_cast<unsigned char>(sizes[at + 1]));
        s.round_cols = static_cast<std::uint8_t>(ok ? sizes[at] - '0' : 5);
        s.round_rows = static_cast<std::uint8_t>(ok ? sizes[at + 1] - '0' : 4);
        kind = s.level;
    } else {
        kind = core::rnd_range(8, 4);
        s.round_rows = static_cast<std::uint8_t>(core::rnd_range(5, 3));
        s.round_cols = static_cast<std::uint8_t>(15 - s.round_rows);
    }
    if (s.round_no > 5000) s.round_cols = s.round_rows = 9;
    if (s.round_no > 10000) s.round_cols = s.round_rows = 10;
    if (s.round_no > 15000) s.round_cols = s.round_rows = 11;
    if (s.round_no > 20000) s.round_cols = s.round_rows = 12;

    if (s.round_kind == core::linear_round::kNormal) {
        double k = kind;
        pictures::gen_kind(k);
    } else {
        bonus_round();
    }

    s.tgt_count = 1;
    if (s.level >= 3) s.tgt_count = 2;
    if (s.level >= 7) s.tgt_count = 3;
    if (s.level >= 12) s.tgt_count = 4;

    if (s.round_no % 1000 == 0) {
        const int j = core::rnd_range(6, 10);
        s.tmp = std::string(17, ' ') + "cadge" + s.char_name[static_cast<std::size_t>(j)];
        platform::msgbox("To appreciate your patience and diligence for playing up to\r" +
                             std::to_string(s.round_no) + " rounds, here's a small easter egg for you:\r\r" +
                             s.tmp + "\r\rJust type it 'somewhere' in the game and be suprised!",
                         platform::kMsgInfo, "Wow!");
    }
    show_quota_debug();
}

void show_quota_debug() {
    core::CoreState& s = core::core_state();
    ui::MainForm& f = ui::mainform();
    // Before the first Linear round the quota is still 0: show the counts without a share.
    std::string percent = "-";
    if (s.linear_quota != 0) {
        const double share = static_cast<double>(s.linear_wins) / s.linear_quota * 100.0;
        percent = std::to_string(core::round_to<std::int64_t>(share));
    }
    s.tmp = "Wins/quota -> " + std::to_string(s.linear_wins) + "/" + std::to_string(s.linear_quota) +
            " (" + percent + "%)";
    f.Label_round->set_tool_tip(s.tmp);
    f.Label_debug1->set_caption(s.tmp);
    const std::int16_t chance = s.level_up_chance;
    f.Label_debug2->set_caption(chance >= 0 ? " " + std::to_string(chance) : std::to_string(chance));
}

void level_up() {
    core::CoreState& s = core::core_state();
    ui::show_pmsg(core::kPmsgShow, "LEVEL UP!!!", 10);
    s.round_time_left = -1;
    s.time_limit = static_cast<std::int16_t>(s.time_limit + 5);
    core::show_timer();
    s.level_rounds = 0;
    s.linear_wins = 0;
    core::add_misses(core::kClearMisses);
    s.level = static_cast<std::int16_t>(s.level + 1);
    if (s.level % 3 == 0) {
        s.miss_limit = static_cast<std::uint8_t>(s.miss_limit + 1);
        core::show_misslimit();
    }
    core::show_level();
}

void bonus_reward() {
    core::CoreState& s = core::core_state();
    int r = core::rnd_range(1, 1);
    if (s.misses == 0) r = 2;
    if (r == 1) {
        core::add_misses(-1);
        ui::show_pmsg(core::kPmsgShow, "1 MISS DEDUCTED!", 10);
    } else {
        s.time_limit = static_cast<std::int16_t>(s.time_limit + 5);
        core::show_timer();
        ui::show_pmsg(core::kPmsgShow, "TIMER +5 SECS!", 10);
    }
}

void bonus_round() {
    ui::show_pmsg(core::kPmsgShow, "Bonus Round!", 10);
    double r = -1, g = 0, b = 0, spread = 80;
    pictures::gen_dot_picture(r, g, b, spread);
}

namespace {

void win_linear_round() {
    core::core_state().linear_wins += 1;
    genpuzzle_pane();
}

void linear_time_up() {
    const int n = core::core_state().cur_diff.penalty;
    platform::msgbox("YOU LOST THIS ROUND!\r" + std::to_string(n) + " points deducted from your score.",
                     platform::kMsgInfo, "Time's up!");
    core::add_score(-n);
    genpuzzle_pane();
}

// The top levels have names instead of numbers.
std::string linear_level_text(int level) {
    switch (level) {
        case 10: return "xtreme";
        case 11: return "chaos!";
        case 12: return "@_@";
        case 13: return "infinite";
        default: return std::to_string(level);
    }
}

}  // namespace

void register_linear_steps() {
    core::ModeSteps steps;
    steps.set_up_round = linear_round;
    steps.level_text = linear_level_text;
    steps.after_win = win_linear_round;
    steps.after_time_up = linear_time_up;
    core::register_mode_steps(core::GameMode::Linear, steps);
}

}  // namespace modes
