// The dice on the Story map.
#include "modes/dice.h"

#include <algorithm>
#include <string>

#include "core/game_state.h"
#include "core/grid.h"
#include "core/state_words.h"
#include "modes/landing.h"
#include "modes/message_panel.h"
#include "modes/mode_state.h"
#include "modes/walking.h"
#include "ui/mainform.h"
#include "ui/picture_store.h"
#include "ui/screen_state.h"

namespace modes {

namespace {

// The castle has been unveiled and waits for the next stop to be placed.
bool castle_waiting() {
    const ModeState& s = mode_state();
    const auto castle = static_cast<std::size_t>(core::story_round::kCastle);
    return s.secret_col[castle] == core::kCastleNotPlaced && s.secret_row[castle] == core::kCastleNotPlaced &&
           core::core_state().castle_on;
}

}  // namespace

void roll_dice() {
    ui::MainForm& f = ui::mainform();
    f.Shape_cursor->set_visible(false);
    f.Timer_dice.set_enabled(true);
    f.Timer_dice.set_interval(core::core_state().cur_story_diff.dice_ms);
    core::core_state().game_state = core::StateWord::RollDice;
    show_msg("Click on dice to stop");
}

void Timer_dice_Timer() {
    ModeState& s = mode_state();
    ui::MainForm& f = ui::mainform();
    s.dice_face = static_cast<std::int16_t>(s.dice_face + 1);
    if (s.dice_face > 6) s.dice_face = 1;
    f.pbox_dice->set_picture(ui::form_clip().pclip_dice.cell(s.dice_cell[static_cast<std::size_t>(s.dice_face - 1)]));
    if (!castle_waiting()) return;
    s.secret_icon_frame = static_cast<std::int16_t>(s.secret_icon_frame + 6);
    if (s.secret_icon_frame > 24) s.secret_icon_frame = 0;
    for (int i = 1; i <= core::story_round::kLastSecret; ++i) {
        if (i == s.final_secret) continue;
        const auto k = static_cast<std::size_t>(i);
        f.pbox_main->blit(core::cellx(s.secret_col[k]) - 2, core::celly(s.secret_row[k]) - 2, 24, 24,
                          *f.pbox_icosecret, s.secret_icon_frame, 78);
    }
}

void pbox_dice_Click() {
    // Only a rolling dice stops: a click at any other moment (the bonus chooser open, a walk
    // under way) would give a trip out of turn.
    if (core::core_state().game_state != core::StateWord::RollDice || !ui::mainform().Timer_dice.enabled()) return;
    dice_stopped();
}

void dice_stopped() {
    ModeState& s = mode_state();
    ui::MainForm& f = ui::mainform();
    s.moves_left = s.dice_face;
    if (core::core_state().debugmode) s.moves_left = static_cast<std::int16_t>(std::max(0, f.Combo1->list_index()));
    s.dice_face = 0;
    f.Timer_dice.set_enabled(false);
    f.pbox_dice->set_enabled(false);
    f.pbox_main->set_enabled(true);
    f.Shape_cursor->set_visible(false);
    core::core_state().game_state = core::StateWord::WalkMap;
    update_arrows();
    show_msg("You got a " + std::to_string(s.moves_left));
    show_msg("please click on your desired path.");
    if (castle_waiting()) place_castle();
}

}  // namespace modes
