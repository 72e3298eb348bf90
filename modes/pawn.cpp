// The pawn on the Story map: the masked sprite with the picture it covers saved, and its bounce.
#include "modes/pawn.h"

#include "core/game_state.h"
#include "core/grid.h"
#include "modes/mode_state.h"
#include "platform/picture_box.h"
#include "ui/mainform.h"
#include "ui/picture_store.h"

namespace modes {

namespace {

constexpr int kSprite = 25;

// The one background slot: whatever lies under the pawn. A single slot means only one pawn can
// be on the board at a time, which is all the game ever draws.
platform::Canvas& saved_background() {
    static platform::Canvas slot(kSprite, kSprite, platform::kBlack);
    slot.set_auto_redraw(true);
    return slot;
}

}  // namespace

void draw_pawn(int x, int y) {
    ModeState& s = mode_state();
    platform::PictureBox& board = *ui::mainform().pbox_main;
    const platform::Canvas& sheet = ui::form_clip().pbox_pawn;
    platform::Canvas& slot = saved_background();
    const int row = s.pawn_char * kSprite;
    if (s.pawn_lastx != kPawnNowhere) board.blit(s.pawn_lastx, s.pawn_lasty, kSprite, kSprite, slot, 0, 0);
    slot.blit(0, 0, kSprite, kSprite, board, x, y);
    board.blit(x, y, kSprite, kSprite, sheet, kSprite, row, platform::RasterOp::And);
    board.blit(x, y, kSprite, kSprite, sheet, 0, row, platform::RasterOp::Paint);
    s.pawn_lastx = static_cast<std::int16_t>(x);
    s.pawn_lasty = static_cast<std::int16_t>(y);
}

void hide_pawn() { draw_pawn(-30, -30); }

void Timer_pawn_Timer() {
    ModeState& s = mode_state();
    const core::CoreState& c = core::core_state();
    s.pawn_frame = static_cast<std::int16_t>(s.pawn_frame + 1);
    if (s.pawn_frame > 7) s.pawn_frame = 0;
    if (s.pawn_frame >= 0) {
        draw_pawn(core::cellx(s.pawn_col) - 2,
                  core::celly(s.pawn_row) - 6 + c.pawn_bob[static_cast<std::size_t>(s.pawn_frame)]);
    }
    if (s.hint_frame >= 0) {
        s.hint_frame = static_cast<std::int16_t>(s.hint_frame + 1);
        if (s.hint_frame > 5) s.hint_frame = 0;
        ui::mainform().Pbox_hint->set_picture(ui::form_clip().pclip_hint.cell(s.hint_frame));
    }
}

}  // namespace modes
