// The screen transition: five strips cover the board, the next screen is prepared, then revealed.
#include "ui/transition.h"

#include "core/game_state.h"
#include "core/grid.h"
#include "core/round_flow.h"
#include "core/round_links.h"
#include "modes/landing.h"
#include "modes/pawn.h"
#include "modes/story_ending.h"
#include "modes/story_map.h"
#include "ui/fireworks.h"
#include "ui/mainform.h"
#include "ui/menu.h"
#include "ui/picture_store.h"
#include "ui/popup_clock.h"
#include "ui/screen_state.h"
#include "ui/side_panel.h"

namespace ui {

namespace {

void start_half(core::PaneWord word, core::StateWord half_state) {
    ScreenState& s = screen();
    s.pane_step = 0;
    s.pane_word = word;
    s.saved_state = core::core_state().game_state;
    core::core_state().game_state = half_state;
}

// The pairs of pane words, in dispatch order. The closing word's preparation runs at full
// cover and opens the board with the pair's opening word, whose start action runs when the
// board is open again.
struct PanePair {
    core::PaneWord closing;
    void (*prepare)();
    core::PaneWord opening;
    void (*start)();     // none after "ENDGAME2": the main menu is already up
    bool prepare_opens;  // the map's preparation opens the board itself, once the map is drawn
    bool copies_strips;  // the opening reveals the screen its preparation drew into pbox_temp
    bool keeps_word;     // the opening word stays in pane_word until the next transition
};

using W = core::PaneWord;
constexpr PanePair kPanePairs[] = {
    // closing     preparation         opening         start action                 opens  copies keeps
    {W::EndGame,   goto_mainmenu,      W::EndGame2,    nullptr,                     false, false, true},
    {W::Firework1, setup_fireworks,    W::Firework2,   fireworks_step2,             false, true,  false},
    {W::GenPuzzle, core::play_puzzle,  W::StartPuzzle, core::start_puzzle_round,    false, true,  false},
    {W::StartMap1, modes::startmap2,   W::StartMap2,   modes::after_round,          true,  true,  true},
    {W::GameWon1,  modes::win_story,   W::GameWon2,    modes::story_end_anim,       false, true,  false},
    {W::GameLost,  game_over,          W::GameLost2,   gamelost_step2,              false, true,  false},
};

bool copies_strips(core::PaneWord word) {
    for (const PanePair& p : kPanePairs) {
        if (p.opening == word) return p.copies_strips;
    }
    return false;
}

// Each row reads the word afresh, since a preparation's pane_open replaces it at once; the
// opening word of that pair then waits for the end of its own half.
void dispatch() {
    ScreenState& s = screen();
    for (const PanePair& p : kPanePairs) {
        if (s.pane_word == p.closing) {
            p.prepare();
            if (!p.prepare_opens) pane_open(p.opening);
        } else if (s.pane_word == p.opening) {
            if (!p.keeps_word) s.pane_word = core::PaneWord::None;
            if (p.start) p.start();
        }
    }
}

}  // namespace

void pane_close(core::PaneWord word) {
    start_half(word, core::StateWord::PaneClose);
    MainForm& f = mainform();
    f.pbox_main->set_enabled(false);
    f.Timer_pane.set_enabled(true);
}

void pane_open(core::PaneWord word) {
    start_half(word, core::StateWord::PaneOpen);
    mainform().Timer_pane.set_enabled(true);
}

void Timer_pane_Timer() {
    ScreenState& s = screen();
    MainForm& f = mainform();
    const int x = 84 * s.pane_step;
    if (s.pane_step <= 4) {
        const auto first = static_cast<std::size_t>(2 * s.pane_step);
        const bool closing = core::core_state().game_state == core::StateWord::PaneClose;
        f.Shape_pane[first]->set_visible(closing);
        f.Shape_pane[first + 1]->set_visible(closing);
        if (closing) f.pbox_main->draw().box(x, 0, x + 83, 319, platform::qb_colour(15), true);
        if (copies_strips(s.pane_word)) f.pbox_main->blit(x, 0, 84, 320, *f.pbox_temp, x, 0);
    }
    s.pane_step = static_cast<std::int16_t>(s.pane_step + 1);
    if (s.pane_step > 5) {
        core::core_state().game_state = s.saved_state;
        f.Timer_pane.set_enabled(false);
        dispatch();
    }
}

void end_game() {
    MainForm& f = mainform();
    // A clock, walk or dice tick during the closing half would otherwise replace "ENDGAME"
    // and carry the abandoned game on.
    f.Timer_timer.set_enabled(false);
    f.Timer_walk.set_enabled(false);
    f.Timer_dice.set_enabled(false);

    show_pmsg(core::kPmsgHide, "", 0);
    show_bt(core::kEndGameButton, 0);
    show_bt(core::kPauseButton, 0);
    f.Pbox_hint->set_visible(false);
    f.Shape_rad->set_visible(false);  // the hint's radar would stay over every later screen
    f.Timer_pawn.set_enabled(false);
    f.Timer_menu.set_enabled(false);
    for (auto* cell : f.pbox_cell) cell->set_visible(false);
    for (int i = 1; i <= core::story_round::kCastle; ++i) modes::draw_secret(i, core::secret_state::kHidden, 0);
    f.Shape_storymenu->move(50, 423);
    f.pbox_storymenu->move(55, 428);
    modes::hide_pawn();
    if (core::core_state().game_state == core::StateWord::ChooseBonus) start_box_slide(0, 2);
    pane_close(core::PaneWord::EndGame);
}

void game_over() {
    MainForm& f = mainform();
    core::core_state().game_state = core::StateWord::GameOver;
    f.Shape_cursor->set_visible(false);
    show_bt(core::kEndGameButton, 0);
    show_bt(core::kPauseButton, 0);
    screen().gameover_frame = 0;
    f.Timer_timer.set_enabled(false);
    f.pbox_temp->clear();
    f.pbox_temp->set_width(424);
    f.pbox_temp->set_height(324);
    f.pbox_temp->set_picture(form_clip().pclip_gameover.cell(0));
    for (int i = 1; i <= 4; ++i) f.pbox_cell[static_cast<std::size_t>(i)]->set_visible(false);
    show_bt12(1);
    f.pbox_main->set_enabled(true);
    core::show_grid(0);
}

void gamelost_step2() {
    MainForm& f = mainform();
    // The scene's stamps go straight to the screen.
    f.pbox_main->set_auto_redraw(false);
    f.Timer_gameover.set_enabled(true);
}

}  // namespace ui
