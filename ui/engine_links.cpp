// Where the screens and the modes lend the round engine what it calls above its own layer.
#include "ui/engine_links.h"

#include "core/board.h"
#include "core/round_links.h"
#include "modes/linear.h"
#include "modes/message_panel.h"
#include "modes/story_steps.h"
#include "ui/mainform.h"
#include "ui/menu.h"
#include "ui/picture_store.h"
#include "ui/popup_clock.h"
#include "ui/screen_state.h"
#include "ui/side_windows.h"
#include "ui/transition.h"

namespace ui {

void lend_round_engine(MainForm& f) {
    core::BoardControls& b = core::board();
    b.pbox_main = f.pbox_main;
    b.pbox_temp = f.pbox_temp;
    b.pbox_temp2 = f.pbox_temp2;
    b.gridline = f.gridline;
    b.shape_cursor = f.Shape_cursor;
    b.pbox_cell = f.pbox_cell;
    b.icons = &form_clip().pclip_iconpic;

    core::ScreenLinks& l = core::screen_links();
    l.level = f.Label_LEVEL;
    l.level_twin = f.Label_LEVELS;
    l.round = f.Label_round;
    l.round_twin = f.label_rounds;
    l.score = f.Label_score;
    l.score_twin = f.Label_scores;
    l.timer = f.Label_timer;
    l.timer_twin = f.Label_timers;
    l.misses = f.Label_misses;
    l.miss_limit = f.Label_missest;
    l.round_clock = &f.Timer_timer;
    l.found_slide = &f.Timer_ansclose;
    l.game_mode = &screen().game_mode;
    l.debugmode = &screen().debugmode;
    l.show_bt = show_bt;
    l.show_pmsg = show_pmsg;
    l.pane_close = pane_close;
    l.end_game = end_game;
    l.show_msg = modes::show_msg;
    l.hide_msgbox = modes::hide_msgbox;
    l.show_form_entername = show_form_entername;
    l.show_form_topten = show_form_topten;
    l.form_topten_open = form_topten_open;
    l.set_topten_row = set_topten_row;

    modes::register_linear_steps();
    modes::register_story_steps();
}

void take_back_round_engine(const MainForm& f) {
    // A window made before this one went has lent its own controls since.
    if (core::board().pbox_main != f.pbox_main) return;
    core::board() = core::BoardControls{};
    core::screen_links() = core::ScreenLinks{};
}

}  // namespace ui
