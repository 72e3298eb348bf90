// The pieces of a round: picking their cells, laying them out, and judging the player's answer.
#include "core/pieces.h"

#include <algorithm>
#include <string>

#include "core/board.h"
#include "core/game_state.h"
#include "core/grid.h"
#include "core/hud.h"
#include "core/rounding.h"
#include "core/round_flow.h"
#include "core/round_links.h"
#include "core/utility.h"
#include "platform/picture_box.h"
#include "platform/timer.h"

namespace core {

namespace {

bool taken(int count, int c, int r) {
    const CoreState& s = core_state();
    for (int k = 1; k <= count; ++k) {
        if (s.tgt_col[static_cast<std::size_t>(k)] == c && s.tgt_row[static_cast<std::size_t>(k)] == r) return true;
    }
    return false;
}

// Redrawing until a free cell comes up ends with certainty for a fair generator; a broken one
// (or a scripted one in a test) could repeat a taken cell for ever, so after this many tries the
// first free cell is taken instead.
constexpr int kMaxDraws = 10000;

}  // namespace

void pick_targets(int n) {
    CoreState& s = core_state();
    const BoardControls& b = board();
    const int cells = std::max(1, s.grid_cols * s.grid_rows);
    n = std::clamp(n, 1, std::min(4, cells));
    s.tgt_count = static_cast<std::int16_t>(n);

    for (int i = 1; i <= n; ++i) {
        int c = 0, r = 0;
        int tries = 0;
        do {
            c = rnd_range(1, s.grid_cols - 1);
            r = rnd_range(1, s.grid_rows - 1);
        } while (taken(i - 1, c, r) && ++tries < kMaxDraws);
        if (taken(i - 1, c, r)) {
            for (c = 1, r = 1; taken(i - 1, c, r);) {
                if (++c > s.grid_cols) { c = 1; ++r; }
            }
        }
        const auto slot = static_cast<std::size_t>(i);
        s.tgt_col[slot] = static_cast<std::int16_t>(c);
        s.tgt_row[slot] = static_cast<std::int16_t>(r);
        s.tgt_found[slot] = 0;
    }

    const int row_width = 10 * (n - 1) + s.cell_w * n;
    const int left = 350 - cint(row_width / 2.0) - s.cell_w;
    const int top = 377 - cint(s.cell_h / 2.0);
    for (auto* cell : b.pbox_cell) cell->set_visible(false);
    for (int i = 1; i <= n; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        platform::PictureBox* cell = b.pbox_cell[slot];
        cell->blit(0, 0, s.cell_w, s.cell_h, *b.pbox_temp, (s.tgt_col[slot] - 1) * s.cell_w,
                   (s.tgt_row[slot] - 1) * s.cell_h);
        cell->move(left + (s.cell_w + 10) * i, top);
        cell->set_visible(true);
    }
}

void check_answer() {
    CoreState& s = core_state();
    bool hit = false;
    std::string text;
    for (int i = 1; i <= s.tgt_count; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        if (s.tgt_found[slot] == 0 && s.tgt_row[slot] == s.cur_row && s.tgt_col[slot] == s.cur_col) {
            show_rightanswer(i);
            s.tgt_found[slot] = 1;
            add_score(5);
            hit = true;
            text = random_quote();
        }
    }
    if (!hit) {
        add_misses(1);
        show_wronganswer(s.cur_col, s.cur_row);
        text = "Opps! Wrong answer!";
        if (s.misses >= s.miss_limit) {
            // The clock must not run on behind the closing board: a time-up there would
            // replace the game-over transition and let the game go on past its limit.
            Screens& up = screens();
            up.run_round_clock(false);
            up.show_bt(kPauseButton, 0);
            up.pane_close(core::PaneWord::GameLost);
        }
    }
    screens().show_pmsg(kPmsgShow, text, 6);
    bool all_found = true;
    for (int i = 1; i <= s.tgt_count; ++i) all_found = all_found && s.tgt_found[static_cast<std::size_t>(i)] == 1;
    if (all_found) win_round();
}

void show_rightanswer(int index) {
    CoreState& s = core_state();
    const BoardControls& b = board();
    platform::Surface& board = b.pbox_main->draw();
    board.set_pen_width(1);
    const int x0 = cellx(s.cur_col);
    const int y0 = celly(s.cur_row);
    for (int k = 0; k <= 10; ++k) {
        board.box(x0 + k, y0 + k, x0 + s.cell_w, y0 + s.cell_h, s.glow_colour[static_cast<std::size_t>(k)], true);
    }

    // A green tick in the middle of the piece, its vertex the lowest point.
    if (index >= 1 && index <= 4) {
        platform::Surface& piece = b.pbox_cell[static_cast<std::size_t>(index)]->draw();
        piece.set_pen_width(4);
        const int vx = s.cell_w / 2 - 3;
        const int vy = s.cell_h / 2 + 10;
        const platform::Colour green = platform::qb_colour(10);
        piece.line(vx, vy, vx - 11, vy - 11, green);
        piece.line(vx, vy, vx + 18, vy - 22, green);
    }

    s.ans_index = static_cast<std::int16_t>(index);
    s.ans_frame = 0;
    screens().start_found_slide();
}

void show_wronganswer(int col, int row) {
    const CoreState& s = core_state();
    platform::Surface& board = core::board().pbox_main->draw();
    board.set_pen_width(1);
    const int x0 = cellx(col);
    const int y0 = celly(row);
    const platform::Colour black = platform::qb_colour(0);
    for (int d = 0; d <= s.cell_h; d += 3) board.line(x0, y0 + d, x0 + s.cell_w, y0 + d, black);
    for (int d = 0; d <= s.cell_w; d += 3) board.line(x0 + d, y0, x0 + d, y0 + s.cell_h, black);

    board.set_pen_width(8);
    const int left = x0 + 14, top = y0 + 14;
    const int right = x0 + s.cell_w - 13, bottom = y0 + s.cell_h - 13;
    const platform::Colour shadow = platform::rgb(80, 0, 0);
    const platform::Colour red = platform::rgb(255, 0, 0);
    board.line(left, top, right, bottom, shadow);
    board.line(left, bottom, right, top, shadow);
    board.line(left, top - 3, right, bottom - 3, red);
    board.line(left, bottom - 3, right, top - 3, red);
}

void show_answer() {
    const CoreState& s = core_state();
    for (int i = 1; i <= s.tgt_count; ++i) {
        show_wronganswer(s.tgt_col[static_cast<std::size_t>(i)], s.tgt_row[static_cast<std::size_t>(i)]);
    }
}

}  // namespace core
