// The main window's keys, the typed hidden words, the mouse on the board and the HUD clicks.
#include "ui/input.h"

#include <limits>
#include <string>

#include "core/game_state.h"
#include "core/grid.h"
#include "core/hud.h"
#include "core/pieces.h"
#include "core/rounding.h"
#include "core/settings.h"
#include "core/utility.h"
#include "modes/bonus_hints.h"
#include "modes/dice.h"
#include "modes/landing.h"
#include "modes/linear.h"
#include "modes/message_panel.h"
#include "modes/mode_state.h"
#include "modes/pawn.h"
#include "modes/story_map.h"
#include "modes/walking.h"
#include "platform/services.h"
#include "ui/mainform.h"
#include "ui/screen_state.h"
#include "ui/transition.h"

namespace ui {

namespace {

enum Key { kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kEnter = 13, kSpace = 32 };

bool has(const std::string& word) { return screen().typed.find(word) != std::string::npos; }
void empty_buffer() { screen().typed.clear(); }

void choose_towards(int dc, int dr) {
    core::CoreState& s = core::core_state();
    const modes::ModeState& m = modes::mode_state();
    s.cur_col = static_cast<std::int16_t>(m.pawn_col + dc);
    s.cur_row = static_cast<std::int16_t>(m.pawn_row + dr);
    modes::choose_path();
}

void map_words() {
    MainForm& f = mainform();
    core::CoreState& s = core::core_state();
    if (has("jz")) {
        f.pbox_main->set_auto_redraw(true);
        modes::draw_storymap();
        modes::show_secret_marks();
        f.pbox_main->set_auto_redraw(false);
        empty_buffer();
    }
    int v = 0;
    for (int i = 0; i <= 18; ++i) {
        if (has("cadge" + s.char_name[static_cast<std::size_t>(i)])) {
            v = i == 0 ? core::rnd_range(0, 17) : i - 1;
            break;
        }
    }
    if (v > 0) {
        empty_buffer();
        f.Timer_pawn.set_enabled(false);
        modes::hide_pawn();
        modes::mode_state().pawn_char = static_cast<std::uint8_t>(v);
        f.Timer_pawn.set_enabled(true);
        modes::show_msg(s.char_saying[static_cast<std::size_t>(v + 1)]);
    }
}

void puzzle_words() {
    core::CoreState& s = core::core_state();
    if (has("reveal!rapid!")) {
        core::show_answer();
        empty_buffer();
    }
    if (has("cadgeplussecs")) {
        // The seconds counter is 16-bit: the gift stops at its top instead of wrapping round.
        const int more = static_cast<int>(s.round_time_left) + 100;
        s.round_time_left = static_cast<std::int16_t>(std::min(more, static_cast<int>(std::numeric_limits<std::int16_t>::max())));
        empty_buffer();
    }
    if (has("cadgetally") && s.game_mode == core::GameMode::Linear && s.level < 13) {
        msgbox_over_round("You have won " + std::to_string(s.linear_wins) + " rounds. You need to win at least\r" +
                              std::to_string(s.linear_quota) + " rounds to proceed to the next level.",
                          platform::kMsgInfo, "A tiny bit of info you might be interested to know. =)");
        empty_buffer();
    }
}

}  // namespace

void Form_KeyDown(int key_code, int) {
    core::CoreState& s = core::core_state();
    MainForm& f = mainform();
    if (s.game_state == core::StateWord::WalkMap) {
        namespace direction = core::direction;
        if (key_code == kLeft && f.bt_arrow[direction::kLeft]->visible()) choose_towards(-1, 0);
        if (key_code == kRight && f.bt_arrow[direction::kRight]->visible()) choose_towards(1, 0);
        if (key_code == kUp && f.bt_arrow[direction::kUp]->visible()) choose_towards(0, -1);
        if (key_code == kDown && f.bt_arrow[direction::kDown]->visible()) choose_towards(0, 1);
    }
    if (s.game_state == core::StateWord::PlayPuzzle) {
        if (key_code == kLeft) --s.cur_col;
        if (key_code == kRight) ++s.cur_col;
        if (key_code == kUp) --s.cur_row;
        if (key_code == kDown) ++s.cur_row;
        core::place_board_cursor();
    }
}

void Form_KeyPress(int key_ascii) {
    ScreenState& sc = screen();
    core::CoreState& s = core::core_state();
    if (sc.typed.size() > kTypedLimit) sc.typed.clear();
    sc.typed += static_cast<char>(key_ascii);

    if (s.game_state == core::StateWord::RollDice && key_ascii == kEnter) modes::dice_stopped();
    if (s.game_state == core::StateWord::PlayPuzzle) {
        if (key_ascii == 'C' || key_ascii == 'c') core::random_cursor_colour();
        if (key_ascii == kEnter || key_ascii == kSpace) core::check_answer();
    }
    if (s.game_state == core::StateWord::ChooseBonus && key_ascii >= '1' && key_ascii <= '3') modes::apply_bonus(key_ascii - '1');
    if (has("zebracove")) {
        s.debugmode = !s.debugmode;
        mainform().update_debugmode();
        empty_buffer();
    }

    const core::StateWord state_word = s.game_state;
    if (state_word == core::StateWord::MainMenu) {
        if (has("plonk")) {
            empty_buffer();
            core::clear_all_settings();
        }
    } else if (state_word == core::StateWord::RollDice || state_word == core::StateWord::WalkMap) {
        map_words();
    } else if (state_word == core::StateWord::PlayPuzzle) {
        puzzle_words();
    }
}

void pbox_main_MouseMove(const platform::MouseArgs& args) {
    if (core::core_state().game_state != core::StateWord::MainMenu) core::move_cursor(args.x, args.y);
}

void pbox_main_MouseDown(const platform::MouseArgs& args) {
    MainForm& f = mainform();
    const core::StateWord st = core::core_state().game_state;
    if (st == core::StateWord::PlayFirework && args.y < 250) {
        screen().fw_hmax = core::cint(320.0 - args.y);
        platform::Line* guide = f.gridline[0];
        const int y = core::cint(args.y);
        guide->set_points(guide->x1(), y, 420, y);
        // The guide borrows grid line 0; remember its colour for the next puzzle grid.
        if (!screen().guide_shown) screen().guide_colour = guide->border_colour();
        screen().guide_shown = true;
        guide->set_border_colour(platform::kBlack);
        guide->set_visible(true);
    } else if (st != core::StateWord::MainMenu) {
        f.Shape_cursor->set_fill_style(platform::Shape::kFillDiagonalCross);
    }
}

void pbox_main_MouseUp(const platform::MouseArgs& args) {
    MainForm& f = mainform();
    f.Shape_cursor->set_fill_style(platform::Shape::kFillTransparent);
    if (core::core_state().game_state == core::StateWord::PlayFirework) {
        screen().fw_hmax = core::cint(320.0 - args.y);
        f.gridline[0]->set_visible(false);
        if (screen().guide_shown) f.gridline[0]->set_border_colour(screen().guide_colour);
        screen().guide_shown = false;
    }
}

void pbox_main_Click() {
    const core::StateWord st = core::core_state().game_state;
    if (st == core::StateWord::PlayPuzzle) {
        core::check_answer();
    } else if (st == core::StateWord::WalkMap) {
        modes::choose_path();
    } else if (st == core::StateWord::GameOver) {
        mainform().Timer_gameover.set_enabled(false);
        end_game();
    }
}

void Label_misses_Click() {
    core::add_misses(0);
    core::show_misslimit();
}

void Label_score_DblClick() {
    core::CoreState& s = core::core_state();
    if (!s.debugmode || s.game_mode != core::GameMode::Linear) return;
    s.linear_wins = s.linear_quota - 1;
    modes::show_quota_debug();
}

void Label_timer_DblClick() {
    mainform().Timer_timer.set_interval(20);
    core::show_timer();
}

void Pbox_hint_Click() { modes::use_hint(); }

void Label_btype_Click(int index) { modes::apply_bonus(index); }

void Label_LEVEL_Click() {
    core::CoreState& s = core::core_state();
    if (!s.debugmode || s.level >= 13) return;
    s.level = static_cast<std::int16_t>(s.level + 1);
    core::show_level();
}

}  // namespace ui
