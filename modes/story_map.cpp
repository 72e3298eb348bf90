// The map of PuzzleLand and its secret squares.
#include "modes/story_map.h"

#include "core/game_state.h"
#include "core/state_words.h"
#include "core/grid.h"
#include "core/hud.h"
#include "core/round_links.h"
#include "core/utility.h"
#include "modes/landing.h"
#include "modes/message_panel.h"
#include "modes/mode_state.h"
#include "modes/walking.h"
#include "ui/mainform.h"
#include "ui/menu.h"
#include "ui/picture_store.h"
#include "ui/transition.h"

namespace modes {

namespace {

// The secret's square from its anchor: one of the record's direction letters, the first and
// last half as likely as the others; a letter other than L, R, U, D leaves it on the anchor.
void place_secret(int i) {
    ModeState& s = mode_state();
    const core::CoreState& c = core::core_state();
    const auto k = static_cast<std::size_t>(i);
    const std::string& dirs = c.secret_dirs[k];
    const int n = static_cast<int>(dirs.size()) - 1;
    const int p = core::rnd_range(1, n);
    const char letter = (p >= 1 && p <= static_cast<int>(dirs.size())) ? dirs[static_cast<std::size_t>(p - 1)] : ' ';
    int dx = 0, dy = 0;
    switch (letter) {
        case 'L': dx = -1; break;
        case 'R': dx = 1; break;
        case 'U': dy = -1; break;
        case 'D': dy = 1; break;
        default: break;
    }
    s.secret_col[k] = static_cast<std::uint8_t>(c.anchor_col[k] + dx);
    s.secret_row[k] = static_cast<std::uint8_t>(c.anchor_row[k] + dy);
    // The piece of map under the secret, kept so that a hidden secret shows the map.
    ui::MainForm& f = ui::mainform();
    f.pbox_icosecret->blit((i - 1) * 26, 0, 26, 26, *f.pbox_temp, (s.secret_col[k] - 1) * 20 - 3,
                           (s.secret_row[k] - 1) * 20 - 3);
}

}  // namespace

void enter_puzzleland() {
    ui::MainForm& f = ui::mainform();
    f.Img_changebg->set_visible(false);
    init_story();
    mode_state().dice_face = 0;
    show_msg("You are now in the realm of PuzzleLand.");
    ui::pane_close(core::PaneWord::StartMap1);
    f.Label_story->move(30, 410);
    f.Shape_menucs->set_visible(false);
    ui::show_bt12(0);
    ui::show_mainmenu(0);
    ui::show_linearmenu(0);
}

void init_story() {
    ModeState& s = mode_state();
    core::CoreState& c = core::core_state();
    ui::MainForm& f = ui::mainform();
    c.last_round_result = core::RoundResult::None;
    f.Timer_dice.set_enabled(false);
    f.Timer_pawn.set_enabled(false);
    c.castle_on = false;
    c.castle_won = false;
    c.cur_story_diff = c.story_diff_table[s.story_diff];

    f.pbox_temp->set_picture(ui::form_clip().pclip_storymap.cell(0));
    f.pbox_temp->set_height(328);
    f.pbox_temp->set_width(428);
    f.pbox_temp->set_auto_redraw(true);
    for (int i = 1; i <= core::story_round::kLastSecret; ++i) place_secret(i);
    s.secret_col[core::story_round::kCastle] = core::kCastleNotPlaced;
    s.secret_row[core::story_round::kCastle] = core::kCastleNotPlaced;
    for (int i = 1; i <= core::story_round::kCastle; ++i) draw_secret(i, core::secret_state::kHidden, 0);
    for (std::size_t i = 0; i <= 5; ++i) s.dice_cell[i] = static_cast<std::uint8_t>(i);

    c.game_state = core::StateWord::Starting;
    c.misses = 0;
    s.walk_tick = 0;
    s.back_dir = core::direction::kNone;
    s.pawn_frame = 0;
    c.time_limit = c.cur_story_diff.secs;
    c.miss_limit = c.cur_story_diff.max_misses;
    s.pawn_col = 11;
    s.pawn_row = 8;
    s.pawn_lastx = kPawnNowhere;
    s.pawn_lasty = kPawnNowhere;

    c.score = 0;
    core::add_score(0);
    c.round_no = 0;
    core::show_round();
    c.round_time_left = -1;
    core::show_timer();
    core::add_misses(core::kClearMisses);
    core::show_misslimit();
    clear_msg();
}

void draw_secret(int index, int state, int onscreen) {
    if (index < 1 || index > core::story_round::kCastle) return;
    ModeState& s = modes::mode_state();
    const auto slot = static_cast<std::size_t>(index);
    if (state != kDrawStored) {
        s.secret_state[slot] = static_cast<std::int16_t>(state);
        return;
    }
    ui::MainForm& f = ui::mainform();
    platform::PictureBox* target = onscreen != 0 ? f.pbox_main : f.pbox_temp;
    // The 26-pixel icon overlaps its 20-pixel square by 3 pixels on every side; the castle's
    // square while not placed (core::kCastleNotPlaced) lands far outside, where the copy clips to nothing.
    target->blit((s.secret_col[slot] - 1) * 20 - 3, (s.secret_row[slot] - 1) * 20 - 3, 26, 26,
                 *f.pbox_icosecret, (index - 1) * 26, s.secret_state[slot] * 26);
}

void draw_storymap() {
    ui::MainForm& f = ui::mainform();
    f.pbox_temp->clear();
    f.pbox_temp->set_picture(ui::form_clip().pclip_storymap.cell(0));
    f.Shape_pawn2->set_visible(false);
    f.pbox_temp->draw().set_pen_width(1);
    f.pbox_temp->set_auto_redraw(true);
    std::int16_t cols = 21, rows = 16;
    core::set_grid(cols, rows);
    core::show_grid(0);
    for (int i = 1; i <= core::story_round::kCastle; ++i) draw_secret(i, kDrawStored, 0);
}

void start_map(int flag) {
    ModeState& s = mode_state();
    core::CoreState& c = core::core_state();
    ui::MainForm& f = ui::mainform();
    s.back_dir = core::direction::kNone;
    c.level = static_cast<std::int16_t>(story_level());
    core::show_level();
    ui::show_bt(core::kPauseButton, 0);
    disable_arrows();
    f.Timer_timer.set_enabled(false);
    f.pbox_dice->set_visible(true);
    f.Shape_cursor->set_visible(false);
    c.round_time_left = c.time_limit;
    core::show_timer();
    c.game_state = core::StateWord::StartMap;
    if (flag == 1) {
        show_msgbox();
        for (auto* cell : f.pbox_cell) cell->set_visible(false);
        draw_storymap();
    }
    s.hint_frame = -1;
}

void startmap2() {
    start_map(1);
    ui::pane_open(core::PaneWord::StartMap2);
}

}  // namespace modes
