// The game-over scene and the found piece sliding away.
#include "ui/scenes.h"

#include "core/game_state.h"
#include "core/hall_of_fame.h"
#include "core/utility.h"
#include "modes/mode_state.h"
#include "ui/mainform.h"
#include "ui/picture_store.h"
#include "ui/screen_state.h"

namespace ui {

namespace {

constexpr platform::Colour kGameOverRed = platform::rgb(255, 31, 0);

}  // namespace

void Timer_gameover_Timer() {
    ScreenState& s = screen();
    MainForm& f = mainform();
    if (s.gameover_frame == 0) core::check_highscore();
    s.gameover_frame = static_cast<std::int16_t>(s.gameover_frame + 1);
    if (s.gameover_frame > 10) s.gameover_frame = 2;

    const int x = core::rnd_range(0, 420);
    const int y = core::rnd_range(0, 320);
    platform::PictureBox& board = *f.pbox_main;
    if (s.game_mode == 1) {
        if (board.pixel(x, y) == kGameOverRed) return;
        const int width = core::rnd_range(5, 10);
        const int r = core::rnd_range(170, 85);
        const int g = core::rnd_range(170, 85);
        const int b = core::rnd_range(170, 85);
        board.draw().set_pen_width(width);
        board.draw().point(x, y, platform::rgb(r, g, b));
    } else {
        if (board.pixel(x + 12, y + 12) == kGameOverRed) return;
        const int row = 25 * modes::state().pawn_char;
        const platform::Canvas& pawns = form_clip().pbox_pawn;
        board.blit(x, y, 25, 25, pawns, 25, row, platform::RasterOp::And);
        board.blit(x, y, 25, 25, pawns, 0, row, platform::RasterOp::Paint);
    }
}

void Timer_ansclose_Timer() {
    const core::CoreState& s = core::state();
    MainForm& f = mainform();
    if (s.ans_index < 0 || s.ans_index > 4) {
        f.Timer_ansclose.set_enabled(false);
        return;
    }
    platform::PictureBox* piece = f.pbox_cell[static_cast<std::size_t>(s.ans_index)];
    piece->move(piece->left(), piece->top() + 30);
    if (piece->top() > 425) f.Timer_ansclose.set_enabled(false);
}

}  // namespace ui
