// The game-over and game-won scenes and the found piece sliding away.
#include "ui/scenes.h"

#include <cstdlib>

#include "core/game_state.h"
#include "core/hall_of_fame.h"
#include "core/rounding.h"
#include "core/utility.h"
#include "modes/mode_state.h"
#include "modes/story_ending.h"
#include "pictures/picture_state.h"
#include "ui/background.h"
#include "ui/fireworks.h"
#include "ui/mainform.h"
#include "ui/picture_store.h"
#include "ui/screen_state.h"
#include "ui/side_panel.h"
#include "ui/transition.h"

namespace ui {

namespace {

constexpr platform::Colour kGameOverRed = platform::rgb(255, 31, 0);

// A banner sways between its turning points; it turns when it gets closer to the left edge
// than one step or further right than 50.
void sway(std::int16_t& x, std::int16_t& dx) {
    x = static_cast<std::int16_t>(x + dx);
    if (x < std::abs(dx) || x > 50) dx = static_cast<std::int16_t>(-dx);
}

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
    if (core::core_state().game_mode == core::GameMode::Linear) {
        if (board.pixel(x, y) == kGameOverRed) return;
        const int width = core::rnd_range(5, 10);
        const int r = core::rnd_range(170, 85);
        const int g = core::rnd_range(170, 85);
        const int b = core::rnd_range(170, 85);
        board.draw().set_pen_width(width);
        board.draw().point(x, y, platform::rgb(r, g, b));
    } else {
        if (board.pixel(x + 12, y + 12) == kGameOverRed) return;
        const int row = 25 * modes::mode_state().pawn_char;
        const platform::Canvas& pawns = form_clip().pbox_pawn;
        board.blit(x, y, 25, 25, pawns, 25, row, platform::RasterOp::And);
        board.blit(x, y, 25, 25, pawns, 0, row, platform::RasterOp::Paint);
    }
}

void Timer_gamewon_Timer() {
    ScreenState& s = screen();
    MainForm& f = mainform();
    s.gamewon_tick = static_cast<std::int16_t>(s.gamewon_tick + 1);
    if (s.gamewon_tick > 100) s.gamewon_tick = 20;

    s.ending_fade = static_cast<std::int16_t>(s.ending_fade + 1);
    if (s.ending_fade > 16) {
        s.ending_fade = 16;
    } else {
        const auto entry = static_cast<std::size_t>(core::cint(s.ending_fade / 2.0));
        f.Label_endstory->set_fore_colour(pictures::picture_state().grad_colors[entry]);
    }

    if (s.gamewon_tick == 15) core::check_highscore();
    if (s.gamewon_tick > 15) {
        f.Timer_fw.set_enabled(true);
        platform::PictureBox& board = *f.pbox_main;
        sway(s.banner1_x, s.banner1_dx);
        board.blit(s.banner1_x, 35, 354, 85, *f.pbox_temp, 0, 0);
        sway(s.banner2_x, s.banner2_dx);
        board.blit(s.banner2_x, 127, 354, 45, *f.pbox_temp, 0, 92);
    }
    if (s.gamewon_tick == 1) start_box_slide(1, 0);
}

void Label_btb_Click(int index) {
    ScreenState& s = screen();
    MainForm& f = mainform();
    const core::StateWord st = core::core_state().game_state;
    // Each button belongs to its own scene: a second press while the panel slides out (the
    // board already closing) must not end the scene a second time.
    if (index == 0 && st == core::StateWord::GameWon) {
        s.ending_page = static_cast<std::uint8_t>(s.ending_page + 1);
        s.ending_fade = 2;
        if (s.ending_page >= 7) {
            start_box_slide(0, 0);
            f.Timer_gamewon.set_enabled(false);
            f.Timer_fw.set_enabled(false);
            hide_fireworks();
            std::int16_t bg = -1;
            draw_bg(bg);
            end_game();
        } else {
            modes::show_endstory();
        }
    } else if (index == 1 && st == core::StateWord::PlayFirework) {
        f.Timer_fw.set_enabled(false);
        hide_fireworks();
        start_box_slide(0, 1);
        end_game();
    }
}

void Timer_ansclose_Timer() {
    const core::CoreState& s = core::core_state();
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
