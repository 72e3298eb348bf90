// Walking the pawn across the map, and the direction buttons.
#include "modes/walking.h"

#include <array>
#include <string>

#include "core/game_state.h"
#include "core/grid.h"
#include "core/map_file.h"
#include "core/state_words.h"
#include "modes/landing.h"
#include "modes/message_panel.h"
#include "modes/mode_state.h"
#include "modes/pawn.h"
#include "ui/mainform.h"
#include "ui/picture_store.h"

namespace modes {

namespace {

namespace direction = core::direction;

// The way back from each direction: left <-> right, up <-> down.
constexpr std::array<std::int16_t, 5> kWayBack = {direction::kNone, direction::kRight, direction::kLeft,
                                                  direction::kDown, direction::kUp};

// Square codes outside the map array count as no path: a pointer dragged off the board can
// name any cell.
bool path_square(int col, int row) {
    if (col < 0 || col > 22 || row < 0 || row > 17) return false;
    const auto code = core::core_state().map_grid[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)];
    return code != core::map_square::kBlank;
}

int neighbour_col(int dir) { return mode_state().pawn_col + core::core_state().dir_dx[static_cast<std::size_t>(dir)]; }
int neighbour_row(int dir) { return mode_state().pawn_row + core::core_state().dir_dy[static_cast<std::size_t>(dir)]; }

}  // namespace

void bt_arrow_Click(int index) {
    // Only a waiting pawn takes a step: during a slide the buttons would restart it from the
    // old square.
    const bool arrow = index >= direction::kLeft && index <= direction::kDown;
    if (!arrow || core::core_state().game_state != core::StateWord::WalkMap) return;
    ui::MainForm& f = ui::mainform();
    for (auto* b : f.bt_arrow) b->set_enabled(false);
    core::CoreState& c = core::core_state();
    c.cur_col = static_cast<std::int16_t>(neighbour_col(index));
    c.cur_row = static_cast<std::int16_t>(neighbour_row(index));
    choose_path();
}

void choose_path() {
    ModeState& s = mode_state();
    const core::CoreState& c = core::core_state();
    ui::MainForm& f = ui::mainform();
    f.pbox_main->set_enabled(false);
    s.walk_dir = direction::kNone;
    bool turned_back = false;
    const bool own_square = c.cur_col == s.pawn_col && c.cur_row == s.pawn_row;
    if (path_square(c.cur_col, c.cur_row) && !own_square) {
        for (int d = direction::kLeft; d <= direction::kDown; ++d) {
            if (c.cur_col == neighbour_col(d) && c.cur_row == neighbour_row(d)) {
                if (d == s.back_dir) {
                    turned_back = true;
                } else {
                    s.walk_dir = static_cast<std::int16_t>(d);
                }
            }
        }
    }
    f.pbox_main->set_enabled(true);
    if (s.walk_dir != direction::kNone) {
        start_walk();
    } else if (turned_back) {
        show_msg("You are not allowed to turn back!");
    } else {
        show_msg("Please click on a valid path next to your pawn");
    }
}

void start_walk() {
    ModeState& s = mode_state();
    ui::MainForm& f = ui::mainform();
    s.walk_tick = 0;
    s.walk_offx = 0;
    s.walk_offy = 0;
    show_msg("Moving...");
    f.pbox_main->set_enabled(false);
    f.Timer_pawn.set_enabled(false);
    f.Timer_walk.set_enabled(true);
    core::core_state().game_state = core::StateWord::Walking;
}

void Timer_walk_Timer() {
    ModeState& s = mode_state();
    const core::CoreState& c = core::core_state();
    if (s.walk_dir < direction::kLeft || s.walk_dir > direction::kDown) {  // no step chosen: nothing to slide
        ui::mainform().Timer_walk.set_enabled(false);
        return;
    }
    const auto d = static_cast<std::size_t>(s.walk_dir);
    s.walk_offx = static_cast<std::int16_t>(s.walk_offx + 7 * c.dir_dx[d]);
    s.walk_offy = static_cast<std::int16_t>(s.walk_offy + 7 * c.dir_dy[d]);
    s.walk_tick = static_cast<std::int16_t>(s.walk_tick + 1);
    draw_pawn((s.pawn_col - 1) * c.cell_w + s.walk_offx - 2, (s.pawn_row - 1) * c.cell_h + s.walk_offy - 6);
    if (s.walk_tick >= 3) walk_step();
}

void walk_step() {
    ModeState& s = mode_state();
    ui::MainForm& f = ui::mainform();
    s.pawn_frame = 0;
    core::core_state().game_state = core::StateWord::WalkMap;
    f.Timer_pawn.set_enabled(true);
    f.pbox_main->set_enabled(true);
    f.Timer_walk.set_enabled(false);
    f.Shape_rad->set_visible(false);
    move_pawn(neighbour_col(s.walk_dir), neighbour_row(s.walk_dir));
    s.back_dir = kWayBack[static_cast<std::size_t>(s.walk_dir)];
    s.moves_left = static_cast<std::int16_t>(s.moves_left - 1);
    if (s.moves_left >= 1 && s.moves_left <= 9) {
        if (s.moves_left < 6) f.pbox_dice->set_picture(ui::form_clip().pclip_dice.cell(s.moves_left - 1));
        show_msg(std::to_string(s.moves_left) + " move(s) to go.");
        update_arrows();
    } else {
        land_square();
    }
}

void move_pawn(int col, int row) {
    const core::CoreState& c = core::core_state();
    const int x = (col - 1) * c.cell_w - 2;
    const int y = (row - 1) * c.cell_h - 2;
    ui::mainform().Shape_pawn2->move(x, y);
    draw_pawn(x, y - 8);
    mode_state().pawn_col = static_cast<std::int16_t>(col);
    mode_state().pawn_row = static_cast<std::int16_t>(row);
}

void update_arrows() {
    ui::MainForm& f = ui::mainform();
    for (int d = direction::kLeft; d <= direction::kDown; ++d) {
        platform::Button* b = f.bt_arrow[static_cast<std::size_t>(d)];
        if (!path_square(neighbour_col(d), neighbour_row(d)) || d == mode_state().back_dir) {
            b->set_visible(false);
        } else {
            b->set_visible(true);
            b->set_enabled(true);
        }
    }
}

void disable_arrows() {
    for (int d = direction::kLeft; d <= direction::kDown; ++d) {
        ui::mainform().bt_arrow[static_cast<std::size_t>(d)]->set_visible(false);
    }
}

}  // namespace modes
