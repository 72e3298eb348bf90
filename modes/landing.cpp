// Landing on squares: rounds, secrets, the castle, and what follows a round on the map.
#include "modes/landing.h"

#include "core/game_state.h"
#include "core/map_file.h"
#include "core/state_words.h"
#include "core/round_flow.h"
#include "core/utility.h"
#include "modes/bonus_hints.h"
#include "modes/dice.h"
#include "modes/message_panel.h"
#include "modes/mode_state.h"
#include "modes/pawn.h"
#include "modes/story_map.h"
#include "modes/walking.h"
#include "ui/mainform.h"

namespace modes {

namespace {

enum class Outcome { Play, Reveal, Nothing };

bool on_pawn(const ModeState& m, int slot) {
    const auto k = static_cast<std::size_t>(slot);
    return m.secret_col[k] == m.pawn_col && m.secret_row[k] == m.pawn_row;
}

std::uint8_t square_code(const core::CoreState& s, const ModeState& m) {
    const auto& grid = s.map_grid;
    if (m.pawn_col < 0 || static_cast<std::size_t>(m.pawn_col) >= grid.size()) return core::map_square::kBlank;
    const auto& column = grid[static_cast<std::size_t>(m.pawn_col)];
    if (m.pawn_row < 0 || static_cast<std::size_t>(m.pawn_row) >= column.size()) return core::map_square::kBlank;
    return column[static_cast<std::size_t>(m.pawn_row)];
}

void reveal(int i) {
    ui::mainform().Timer_pawn.set_enabled(false);
    hide_pawn();
    draw_secret(i, core::secret_state::kRevealed, 0);
    draw_secret(i, kDrawStored, 1);
    mode_state().pawn_frame = -2;
    show_msg("Secret round revealed! You can play this");
    show_msg("round in your next trip.");
}

// A round square: a level puzzle, a revealed secret's round or the castle's; a hidden secret
// is revealed, a won one gives nothing. Returns whether a round was started.
bool land_on_round_square(core::CoreState& s, const ModeState& m) {
    s.round_kind = core::story_round::kLevelPuzzle;
    Outcome outcome = Outcome::Play;
    int found = 0;
    for (int i = 1; i <= core::story_round::kLastSecret; ++i) {
        if (!on_pawn(m, i)) continue;
        found = i;
        const std::int16_t st = m.secret_state[static_cast<std::size_t>(i)];
        if (st == core::secret_state::kHidden) outcome = Outcome::Reveal;
        if (st == core::secret_state::kRevealed) s.round_kind = static_cast<std::int16_t>(i);
        if (st == core::secret_state::kWon) outcome = Outcome::Nothing;
        break;
    }
    // The castle stands on a won secret's square and wins over it.
    if (s.castle_on && on_pawn(m, core::story_round::kCastle)) {
        s.round_kind = core::story_round::kCastle;
        outcome = Outcome::Play;
    }
    switch (outcome) {
        case Outcome::Play: core::new_puzzle(); return true;
        case Outcome::Reveal: reveal(found); return false;
        case Outcome::Nothing: return false;
    }
    return false;
}

}  // namespace

void land_square() {
    core::CoreState& s = core::core_state();
    const ModeState& m = mode_state();
    ui::MainForm& f = ui::mainform();
    f.Pbox_hint->set_visible(false);
    s.round_kind = core::story_round::kLanding;

    std::uint8_t code = square_code(s, m);
    for (int i = 1; i <= core::story_round::kCastle; ++i) {
        if (on_pawn(m, i)) code = core::map_square::kRound;
    }
    disable_arrows();
    // The step that brought the pawn here left them disabled.
    for (int d = core::direction::kLeft; d <= core::direction::kDown; ++d) {
        f.bt_arrow[static_cast<std::size_t>(d)]->set_enabled(true);
    }

    bool started = false;
    switch (code) {
        case core::map_square::kPath: s.last_round_result = core::RoundResult::None; break;
        case core::map_square::kRound: started = land_on_round_square(s, m); break;
        case core::map_square::kStar:
            s.round_kind = core::story_round::kStar;
            core::new_puzzle();
            started = true;
            break;
        default: break;
    }
    if (!started) {
        start_map(0);
        after_round();
    }
}

void after_round() {
    core::CoreState& s = core::core_state();
    ModeState& m = mode_state();
    ui::MainForm& f = ui::mainform();
    f.pbox_main->set_enabled(false);
    f.Timer_pawn.set_enabled(true);
    f.pbox_dice->set_enabled(true);
    f.pbox_main->set_auto_redraw(false);
    move_pawn(m.pawn_col, m.pawn_row);

    const bool won_secret =
        s.last_round_result == core::RoundResult::Won && s.round_kind >= core::story_round::kFirstSecret &&
        s.round_kind <= core::story_round::kLastSecret;
    if (!s.castle_on && won_secret) {
        choose_bonus();
    } else {
        roll_dice();
    }
    if (s.level >= 11 && !s.castle_on) final_level_reached();
    f.Shape_rad->set_visible(false);

    const bool offer = s.last_round_result == core::RoundResult::Won && !s.castle_on;
    m.hint_frame = static_cast<std::int16_t>(offer ? 0 : -1);
    f.Pbox_hint->set_visible(offer);
}

int story_level() {
    core::CoreState& s = core::core_state();
    int count = 1;
    for (int i = 1; i <= core::story_round::kLastSecret; ++i) {
        if (mode_state().secret_state[static_cast<std::size_t>(i)] == core::secret_state::kWon) ++count;
    }
    s.level_rounds = 0;
    s.linear_wins = 0;
    return count;
}

void final_level_reached() {
    core::CoreState& s = core::core_state();
    ModeState& m = mode_state();
    s.castle_on = true;
    show_msg("FINAL LEVEL REACHED!");
    show_msg("Click to unveil the secret castle...");
    for (int i = 1; i <= core::story_round::kLastSecret; ++i) {
        if (on_pawn(m, i)) {
            m.final_secret = static_cast<std::uint8_t>(i);
            break;
        }
    }
    m.secret_col[core::story_round::kCastle] = core::kCastleNotPlaced;
    m.secret_row[core::story_round::kCastle] = core::kCastleNotPlaced;
}

void place_castle() {
    ModeState& m = mode_state();
    int j = core::rnd_range(1, 9);
    // The game draws again until the square differs; a sequence that keeps giving the same
    // number must still not hang the game, so after many tries the next secret is taken.
    for (int tries = 0; j == m.final_secret; ++tries) {
        j = tries < 1000 ? core::rnd_range(1, 9) : j % core::story_round::kLastSecret + 1;
    }
    const auto k = static_cast<std::size_t>(j);
    m.secret_col[core::story_round::kCastle] = m.secret_col[k];
    m.secret_row[core::story_round::kCastle] = m.secret_row[k];
    for (int i = 1; i <= core::story_round::kLastSecret; ++i) draw_secret(i, kDrawStored, 1);
    draw_secret(core::story_round::kCastle, core::secret_state::kRevealed, 0);
    draw_secret(core::story_round::kCastle, kDrawStored, 1);
    show_msg("Go inside the castle and solve the puzzle.");
    show_msg("GOOD LUCK!");
}

void show_secret_marks() {
    const ModeState& m = mode_state();
    platform::PictureBox& board = *ui::mainform().pbox_main;
    board.draw().set_pen_width(2);
    const platform::Colour red = platform::rgb(255, 0, 0);
    for (int i = 1; i <= core::story_round::kLastSecret; ++i) {
        const int px = m.secret_col[static_cast<std::size_t>(i)] * 20 - 16;
        const int py = m.secret_row[static_cast<std::size_t>(i)] * 20 - 16;
        board.draw().line(px, py, px + 12, py + 12, red);
        board.draw().line(px, py + 12, px + 12, py, red);
    }
    board.draw().set_pen_width(1);
    board.set_auto_redraw(false);
}

}  // namespace modes
