// A scripted Story player: looks at the game and says what a player would do next, from the
// title screen through every secret, the castle and the ending to the fireworks show and back.
// It only ever answers with a player's input (a click, a key, typed text, a press and release);
// whoever runs it delivers that input, headless or through a real X server.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "core/game_state.h"
#include "core/map_file.h"
#include "modes/mode_state.h"
#include "ui/form_entername.h"
#include "ui/form_topten.h"
#include "ui/mainform.h"
#include "ui/screen_state.h"

namespace testing_support {

struct PlayerAction {
    enum Kind { kWait, kClick, kDoubleClick, kWheel, kPress, kRelease, kDrag, kKey, kType, kDone, kStuck };
    Kind kind = kWait;
    // Clicks, presses and drags: the widget under the pointer and the point in it (a drag ends
    // at `to` in `to_widget`). Keys and typed text: the window that takes them.
    QWidget* widget = nullptr;
    QPoint at;
    QWidget* to_widget = nullptr;
    QPoint to;
    int key = 0;       // a Qt::Key; for the wheel, notches towards the user (negative: away)
    std::string text;  // typed text, or why the player is stuck
    std::string what;  // what the player means by it, for logs
};

struct StoryPlan {
    int character = 3;
    int difficulty = 0;
    // Lets the clock run out (double-clicking it first) in the first try of this secret round.
    int lose_secret_round = 0;
};

// On the way it plays a level round first, the star round after the fifth secret, and misses
// one cell in every third round while the limit allows.
class StoryAutopilot {
public:
    using Square = std::pair<int, int>;
    explicit StoryAutopilot(StoryPlan plan = {}) : plan_(plan) {}

    // The next input, given how many milliseconds the game has run.
    PlayerAction next(std::int64_t now_ms) {
        now_ = now_ms;
        if (PlayerAction a = side_window(); a.kind != PlayerAction::kWait) return a;
        ui::MainForm& f = ui::mainform();
        // A player waits while the board changes screens or a side panel slides.
        if (f.Timer_pane.enabled() || f.Timer_box.enabled()) return {};
        const core::StateWord st = core::core_state().game_state;
        if (st == core::StateWord::MainMenu) return core::core_state().game_mode == core::GameMode::Story ? start_screen() : title();
        if (st == core::StateWord::RollDice) return rolling();
        if (st == core::StateWord::WalkMap) return walking();
        if (st == core::StateWord::Walking) return {};
        if (st == core::StateWord::PlayPuzzle) return puzzle();
        if (st == core::StateWord::ChooseBonus) return bonus();
        if (st == core::StateWord::GameWon) return ending();
        if (st == core::StateWord::PlayFirework) return fireworks();
        std::ostringstream why;
        why << "no move in state " << st;
        return stuck(why.str());
    }

    // What the player has seen and done, for the test's closing checks.
    int pages_turned = 0, misses_made = 0, rounds_lost = 0;
    std::vector<int> round_kinds;  // each round as it began

private:
    // ---- helpers ------------------------------------------------------------------------
    static PlayerAction click(platform::Control* c, const std::string& what) {
        return click_at(c->widget(), QPoint(c->width() / 2, c->height() / 2), what);
    }
    static PlayerAction click_at(QWidget* w, QPoint at, const std::string& what) {
        PlayerAction a;
        a.kind = PlayerAction::kClick;
        a.widget = w;
        a.at = at;
        a.what = what;
        return a;
    }
    static QWidget* board() { return ui::mainform().pbox_main->client_widget(); }
    static PlayerAction key(QWidget* window, int k, const std::string& what) {
        PlayerAction a;
        a.kind = PlayerAction::kKey;
        a.widget = window;
        a.key = k;
        a.what = what;
        return a;
    }
    static PlayerAction type(QWidget* window, const std::string& text) {
        PlayerAction a;
        a.kind = PlayerAction::kType;
        a.widget = window;
        a.text = text;
        a.what = "types \"" + text + "\"";
        return a;
    }
    static QWidget* game_window() { return ui::mainform().widget(); }
    static PlayerAction stuck(const std::string& why) {
        PlayerAction a;
        a.kind = PlayerAction::kStuck;
        a.text = why;
        return a;
    }
    // Waits until `ms` have passed since the first call with this name.
    bool waited(const std::string& name, std::int64_t ms) {
        auto [it, fresh] = waits_.emplace(name, now_);
        return now_ - it->second >= ms;
    }
    static std::uint8_t code(Square s) {
        const bool on_map = s.first >= 1 && s.first <= 21 && s.second >= 1 && s.second <= 16;
        if (!on_map) return core::map_square::kBlank;
        return core::core_state().map_grid[static_cast<std::size_t>(s.first)][static_cast<std::size_t>(s.second)];
    }
    static Square pawn() { return {modes::mode_state().pawn_col, modes::mode_state().pawn_row}; }
    static Square secret(int i) {
        const auto k = static_cast<std::size_t>(i);
        return {modes::mode_state().secret_col[k], modes::mode_state().secret_row[k]};
    }
    static int secret_at(Square s) {
        for (int i = 1; i <= 10; ++i) {
            if (secret(i) == s) return i;
        }
        return 0;
    }
    static bool castle_placed() {
        return core::core_state().castle_on && modes::mode_state().secret_col[11] != core::kCastleNotPlaced;
    }
    // A square whose landing only rolls again: plain, a won secret, or a hidden one (revealed).
    static bool quiet(Square s) {
        if (castle_placed() && s == secret(11)) return false;
        const int i = secret_at(s);
        if (i != 0) return modes::mode_state().secret_state[static_cast<std::size_t>(i)] != core::secret_state::kRevealed;
        return code(s) == core::map_square::kPath;
    }
    // The shortest road from the pawn to `goal`, without the pawn's square.
    static std::vector<Square> road_to(Square goal) {
        std::array<std::array<Square, 18>, 23> from{};
        for (auto& col : from) col.fill({-1, -1});
        const Square start = pawn();
        from[static_cast<std::size_t>(start.first)][static_cast<std::size_t>(start.second)] = start;
        std::deque<Square> todo{start};
        while (!todo.empty()) {
            const Square s = todo.front();
            todo.pop_front();
            if (s == goal) break;
            for (const Square& d : {Square{-1, 0}, Square{1, 0}, Square{0, -1}, Square{0, 1}}) {
                const Square n{s.first + d.first, s.second + d.second};
                if (code(n) == core::map_square::kBlank) continue;
                Square& seen = from[static_cast<std::size_t>(n.first)][static_cast<std::size_t>(n.second)];
                if (seen.first != -1) continue;
                seen = s;
                todo.push_back(n);
            }
        }
        std::vector<Square> road;
        if (from[static_cast<std::size_t>(goal.first)][static_cast<std::size_t>(goal.second)].first == -1) return road;
        for (Square s = goal; s != start; s = from[static_cast<std::size_t>(s.first)][static_cast<std::size_t>(s.second)]) {
            road.insert(road.begin(), s);
        }
        return road;
    }

    // ---- windows over the game ------------------------------------------------------------
    PlayerAction side_window() {
        if (ui::FormEntername* entry = ui::FormEntername::instance()) {
            if (entry->Tbox_name->text().empty()) return type(entry->widget(), "Tester");
            return click(entry->ok.label, "OK on the name entry");
        }
        if (ui::FormTopten* hof = ui::FormTopten::instance()) {
            return key(hof->widget(), Qt::Key_Escape, "closes the Hall of Fame");
        }
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            return key(box, Qt::Key_Return, "OK on \"" + box->windowTitle().toStdString() + "\"");
        }
        return {};
    }

    // ---- title and start screen ---------------------------------------------------------
    PlayerAction title() {
        ui::MainForm& f = ui::mainform();
        if (!story_started_) {
            story_started_ = true;
            return click(f.Label_mi[1], "Start Story Game");
        }
        if (!story_won_) return stuck("back on the title screen before the story was won");
        if (!show_seen_) {
            return click(f.Img_bgcastle, "the golden castle");
        }
        PlayerAction done;
        done.kind = PlayerAction::kDone;
        return done;
    }

    PlayerAction start_screen() {
        ui::MainForm& f = ui::mainform();
        if (modes::mode_state().menu_tick <= 38) return {};  // the difficulty panel is still rising
        if (!character_picked_) {
            character_picked_ = true;
            return click(f.Img_hotspot[static_cast<std::size_t>(plan_.character)], "a character");
        }
        if (!difficulty_picked_) {
            difficulty_picked_ = true;
            return click(f.Label_misdiff[static_cast<std::size_t>(plan_.difficulty)], "a difficulty");
        }
        return click(f.Label_bt[2], "play game");
    }

    // ---- the map --------------------------------------------------------------------------
    // Where the next trip should end up, and where it may stop on the way.
    Square goal() {
        const modes::ModeState& m = modes::mode_state();
        if (castle_placed()) return secret(11);
        if (!level_done_) {
            return nearest([](Square s) { return code(s) == core::map_square::kRound && secret_at(s) == 0; });
        }
        int won = 0;
        for (int i = 1; i <= 10; ++i) won += m.secret_state[static_cast<std::size_t>(i)] == core::secret_state::kWon;
        if (!star_done_ && won >= 5) {
            return nearest([](Square s) { return code(s) == core::map_square::kStar && secret_at(s) == 0; });
        }
        if (target_ == 0 || m.secret_state[static_cast<std::size_t>(target_)] == core::secret_state::kWon) {
            target_ = 0;
            std::size_t best = 999;
            for (int i = 1; i <= 10; ++i) {
                if (m.secret_state[static_cast<std::size_t>(i)] == core::secret_state::kWon) continue;
                const std::size_t d = secret(i) == pawn() ? 0 : road_to(secret(i)).size();
                if (d < best) {
                    best = d;
                    target_ = i;
                }
            }
        }
        if (target_ == 0) return pawn();
        if (secret(target_) == pawn()) return step_aside();  // revealed: leave and come back
        return secret(target_);
    }
    template <class Want>
    static Square nearest(Want want) {
        Square best = pawn();
        std::size_t best_d = 999;
        for (int c = 1; c <= 21; ++c) {
            for (int r = 1; r <= 16; ++r) {
                if (!want(Square{c, r})) continue;
                const std::size_t d = road_to({c, r}).size();
                if (d >= 1 && d < best_d) {
                    best_d = d;
                    best = {c, r};
                }
            }
        }
        return best;
    }
    static Square step_aside() {
        Square fallback = pawn();
        for (const Square& d : {Square{-1, 0}, Square{1, 0}, Square{0, -1}, Square{0, 1}}) {
            const Square n{pawn().first + d.first, pawn().second + d.second};
            if (code(n) == core::map_square::kBlank) continue;
            if (quiet(n)) return n;
            fallback = n;
        }
        return fallback;
    }

    PlayerAction rolling() {
        ui::MainForm& f = ui::mainform();
        const core::CoreState& s = core::core_state();
        if (losing_) {  // the round ran out of time and the map is back
            losing_ = false;
            ++rounds_lost;
        }
        if (!core::core_state().debugmode) return type(game_window(), "zebracove");
        if (!marks_typed_) {
            marks_typed_ = true;
            return type(game_window(), "jz");
        }
        if (s.castle_on && !castle_placed()) {
            // The "?" marks twinkle over the castle's candidate squares until the dice stops.
            if (!waited("twinkle", 600)) return {};
        }
        if (f.Pbox_hint->visible() && !dice_slowed_) {
            dice_slowed_ = true;
            return click(f.Pbox_hint, "the hint while the dice rolls");
        }
        // The trip: the road to the goal, cut where a stop only rolls again.
        {
            std::vector<Square> road = s.castle_on && !castle_placed() ? std::vector<Square>{step_aside()} : road_to(goal());
            if (road.empty()) return stuck("no road from the pawn to the goal");
            std::size_t n = std::min<std::size_t>(road.size(), 10);
            if (road.size() > 10) {
                while (n > 1 && !quiet(road[n - 1])) --n;
                if (!quiet(road[n - 1])) n = 10;
            }
            trip_.assign(road.begin(), road.begin() + static_cast<std::ptrdiff_t>(n));
        }
        if (PlayerAction a = choose_debug_dice(static_cast<int>(trip_.size())); a.kind != PlayerAction::kWait) return a;
        return click(f.pbox_dice, "stops the dice");
    }

    // The debug chooser: the pointer over it and the wheel turned, one entry per notch.
    PlayerAction choose_debug_dice(int value) {
        platform::ComboBox& chooser = *ui::mainform().Combo1;
        const int notches = value - chooser.list_index();
        if (notches == 0) return {};
        PlayerAction a = click(&chooser, "turns the wheel on the debug dice chooser");
        a.kind = PlayerAction::kWheel;
        a.key = notches;
        return a;
    }

    PlayerAction walking() {
        ui::MainForm& f = ui::mainform();
        while (!trip_.empty() && trip_.front() == pawn()) trip_.pop_front();
        if (trip_.empty()) return stuck("the trip is over but the pawn still waits");
        if (f.Pbox_hint->visible() && dice_slowed_ && !radar_shown_) {
            radar_shown_ = true;
            board_next_ = true;
            return click(f.Pbox_hint, "the hint on the map");
        }
        const Square to = trip_.front();
        const int dc = to.first - pawn().first, dr = to.second - pawn().second;
        const int dir = dc < 0 ? 1 : dc > 0 ? 2 : dr < 0 ? 3 : 4;
        // The three ways of taking a step in turn; the board right after the radar, which it must not block.
        const int way = board_next_ ? 2 : steps_++ % 3;
        board_next_ = false;
        if (way == 0) return click(f.bt_arrow[static_cast<std::size_t>(dir)], "an arrow button");
        if (way == 1) {
            const int keys[5] = {0, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
            return key(game_window(), keys[dir], "an arrow key");
        }
        return click_at(board(), QPoint((to.first - 1) * 20 + 10, (to.second - 1) * 20 + 10), "the square next to the pawn");
    }

    // ---- rounds ---------------------------------------------------------------------------
    PlayerAction puzzle() {
        ui::MainForm& f = ui::mainform();
        core::CoreState& s = core::core_state();
        if (s.round_no != round_seen_) {  // a new round has begun
            round_seen_ = s.round_no;
            missed_here_ = false;
            round_kinds.push_back(s.round_kind);
            if (s.round_kind == core::story_round::kLevelPuzzle) level_done_ = true;
            if (s.round_kind == core::story_round::kStar) star_done_ = true;
            losing_ = plan_.lose_secret_round >= 1 && s.round_kind == plan_.lose_secret_round && rounds_lost == 0;
        }
        if (losing_) {
            // Double-clicking the clock makes it run fifty times faster; then the player waits.
            if (f.Timer_timer.interval() != 20) {
                PlayerAction a = click(f.Label_timer, "double-clicks the clock");
                a.kind = PlayerAction::kDoubleClick;
                return a;
            }
            return {};
        }
        auto cell = [&](int col, int row) {
            return click_at(board(), QPoint((col - 1) * s.cell_w + s.cell_w / 2, (row - 1) * s.cell_h + s.cell_h / 2), "a cell");
        };
        if (!missed_here_ && s.round_no % 3 == 0 && s.misses + 1 < s.miss_limit) {
            missed_here_ = true;
            for (int c = 1; c <= s.grid_cols; ++c) {
                for (int r = 1; r <= s.grid_rows; ++r) {
                    bool piece = false;
                    for (int i = 1; i <= s.tgt_count; ++i) {
                        const auto k = static_cast<std::size_t>(i);
                        piece = piece || (s.tgt_col[k] == c && s.tgt_row[k] == r);
                    }
                    if (!piece) {
                        ++misses_made;
                        return cell(c, r);
                    }
                }
            }
        }
        for (int i = 1; i <= s.tgt_count; ++i) {
            const auto k = static_cast<std::size_t>(i);
            if (s.tgt_found[k] == 0) return cell(s.tgt_col[k], s.tgt_row[k]);
        }
        return {};  // the last piece was found: the board is about to close
    }

    PlayerAction bonus() {
        ui::MainForm& f = ui::mainform();
        return click(f.Label_btype[static_cast<std::size_t>(bonuses_++ % 3)], "a bonus");
    }

    // ---- the end ------------------------------------------------------------------------------
    PlayerAction ending() {
        ui::MainForm& f = ui::mainform();
        const ui::ScreenState& sc = ui::screen();
        story_won_ = true;
        // The page is read once the panel is up and the words have faded in.
        if (!f.pbox_box[0]->visible() || f.pbox_box[0]->top() > 347 || sc.ending_fade < 16 || sc.gamewon_tick <= 15) return {};
        ++pages_turned;
        return click(f.Label_btb0, ">>");
    }

    PlayerAction fireworks() {
        ui::MainForm& f = ui::mainform();
        if (!f.pbox_box[1]->visible() || f.pbox_box[1]->top() > 347) return {};
        show_seen_ = true;
        // One rocket more, a colour from the palette, the height from a press on the sky; then
        // the show runs a while and "menu" ends it.
        PlayerAction a;
        switch (show_step_++) {
            case 0: return click(f.Label_btc[1], "one rocket more");
            case 1:
                a = click_at(f.pbox_pal->client_widget(), QPoint(40, 15), "drags along the palette");
                a.kind = PlayerAction::kDrag;
                a.to_widget = a.widget;
                a.to = QPoint(90, 15);
                return a;
            case 2:
            case 3:
                a = click_at(board(), QPoint(200, 100), show_step_ == 3 ? "presses on the sky" : "lets go");
                a.kind = show_step_ == 3 ? PlayerAction::kPress : PlayerAction::kRelease;
                return a;
            case 4:
                if (!waited("show", 1500)) --show_step_;
                return {};
            default: return click(f.Label_btb1, "menu");
        }
    }

    StoryPlan plan_;
    std::int64_t now_ = 0;
    std::map<std::string, std::int64_t> waits_;
    bool story_started_ = false, character_picked_ = false, difficulty_picked_ = false;
    bool marks_typed_ = false, board_next_ = false, level_done_ = false, star_done_ = false;
    bool missed_here_ = false, losing_ = false;
    bool dice_slowed_ = false, radar_shown_ = false, story_won_ = false, show_seen_ = false;
    int target_ = 0, round_seen_ = -1, show_step_ = 0, steps_ = 0, bonuses_ = 0;
    std::deque<Square> trip_;
};

}  // namespace testing_support
