// A whole Story game played only through a player's inputs, from "Start Story Game" on the title
// screen through all ten secrets, the castle and the ending to the fireworks show and back,
// with what must always hold checked after every input and every tick.
#include <gtest/gtest.h>

#include <QTest>
#include <QWheelEvent>
#include <QWindow>
#include <deque>
#include <map>
#include <set>

#include "platform/random.h"
#include "support/game_fixture.h"
#include "support/story_autopilot.h"
#include "ui/picture_store.h"

namespace {

using testing_support::PlayerAction;
using testing_support::StoryAutopilot;

class StoryGame : public testing_support::GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        platform::Form::set_modal_runner([this](platform::Form& f) {
            if (auto* entry = dynamic_cast<ui::FormEntername*>(&f)) {
                ++name_entries;
                entry->ok_click();
            } else {
                ++other_windows;
                f.close();
            }
        });
        form().Form_Load();
        ASSERT_TRUE(core::core_state().story_available) << core::core_state().map_problem;
        // An earlier player's Hall of Fame with room for this game's score.
        for (int i = 1; i <= 10; ++i) core::core_state().hof_table[static_cast<std::size_t>(i)].score = 11 - i;
        form().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form().widget()));
    }
    void TearDown() override {
        form().hide();
        GameTest::TearDown();
    }

    // Time passes: every running timer ticks as often as its interval says.
    void pass(int ms) {
        for (int i = 0; i < ms; ++i) {
            ++now_;
            for (platform::Timer* t : form().timers()) {
                if (!t->enabled() || t->period() == 0) {
                    due_.erase(t);
                    continue;
                }
                auto [it, fresh] = due_.emplace(t, now_ + t->period());
                if (fresh || now_ < it->second) continue;
                it->second = now_ + t->period();
                t->fire();
            }
        }
    }

    // Delivers the input as the window system would: pointer events at a window point go to
    // whatever lies there, so a control covering the target takes the click instead.
    void perform(const PlayerAction& a) {
        QWidget* top = form().widget();
        QWindow* window = top->windowHandle();
        const QPoint p = a.widget ? a.widget->mapTo(top, a.at) : QPoint();
        if (a.widget && (a.kind == PlayerAction::kWheel || a.kind == PlayerAction::kClick || a.kind == PlayerAction::kDoubleClick || a.kind == PlayerAction::kPress)) {
            QWidget* hit = top->childAt(p);
            ASSERT_TRUE(hit == a.widget || a.widget->isAncestorOf(hit))
                << a.what << ": the pointer at " << p.x() << "," << p.y() << " meets "
                << (hit ? hit->metaObject()->className() : "nothing") << " first";
        }
        switch (a.kind) {
            case PlayerAction::kClick:
                QTest::mouseMove(window, p);
                QTest::mouseClick(window, Qt::LeftButton, {}, p);
                break;
            case PlayerAction::kWheel:
                QTest::mouseMove(window, p);
                for (int i = 0; i < std::abs(a.key); ++i) {
                    QWheelEvent turn(QPointF(a.at), QPointF(a.widget->mapToGlobal(a.at)), {}, QPoint(0, a.key > 0 ? -120 : 120),
                                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                    QApplication::sendEvent(a.widget, &turn);
                }
                break;
            case PlayerAction::kDoubleClick: QTest::mouseDClick(window, Qt::LeftButton, {}, p); break;
            case PlayerAction::kPress:
                QTest::mouseMove(window, p);
                QTest::mousePress(window, Qt::LeftButton, {}, p);
                break;
            case PlayerAction::kRelease: QTest::mouseRelease(window, Qt::LeftButton, {}, p); break;
            case PlayerAction::kDrag: {
                const QPoint q = a.to_widget->mapTo(top, a.to);
                QTest::mousePress(window, Qt::LeftButton, {}, p);
                QTest::mouseMove(window, q);
                QTest::mouseRelease(window, Qt::LeftButton, {}, q);
                break;
            }
            case PlayerAction::kKey: QTest::keyClick(a.widget, static_cast<Qt::Key>(a.key)); break;
            case PlayerAction::kType: QTest::keyClicks(a.widget, QString::fromStdString(a.text)); break;
            default: break;
        }
    }

    void click(platform::Control* c) {
        PlayerAction a;
        a.kind = PlayerAction::kClick;
        a.widget = c->widget();
        a.at = QPoint(c->width() / 2, c->height() / 2);
        a.what = "a click";
        perform(a);
    }
    // Lets time pass until the game is in this state with no transition running.
    void wait_for(core::StateWord state) {
        for (int i = 0; i < 500 && (form().Timer_pane.enabled() || core::core_state().game_state != state); ++i) pass(16);
        ASSERT_EQ(core::core_state().game_state, state);
    }

    int won() const {
        int n = 0;
        for (std::size_t i = 1; i <= 10; ++i) n += modes::mode_state().secret_state[i] == core::secret_state::kWon;
        return n;
    }

    // What must hold whatever the player has just done.
    void check(const char* when) {
        const core::CoreState& s = core::core_state();
        const modes::ModeState& m = modes::mode_state();
        ui::MainForm& f = form();
        const core::StateWord st = s.game_state;
        const bool on_map =
            st == core::StateWord::RollDice || st == core::StateWord::WalkMap || st == core::StateWord::ChooseBonus;
        const bool pane = st == core::StateWord::PaneClose || st == core::StateWord::PaneOpen;
        SCOPED_TRACE(testing::Message() << when << " in " << st);
        ASSERT_EQ(f.Timer_pane.enabled(), pane);
        ASSERT_EQ(f.Timer_dice.enabled(), st == core::StateWord::RollDice);
        ASSERT_EQ(f.Timer_walk.enabled(), st == core::StateWord::Walking);
        ASSERT_EQ(f.Timer_timer.enabled(), st == core::StateWord::PlayPuzzle);
        ASSERT_EQ(f.Timer_menu.enabled(), st == core::StateWord::MainMenu && core::core_state().game_mode == core::GameMode::Story);
        ASSERT_EQ(f.Timer_pawn.enabled(), on_map);
        ASSERT_EQ(f.Timer_gamewon.enabled(), st == core::StateWord::GameWon);
        ASSERT_TRUE(!f.Timer_fw.enabled() || st == core::StateWord::GameWon || st == core::StateWord::PlayFirework);
        ASSERT_FALSE(f.Timer_gameover.enabled());
        ASSERT_LT(s.misses, s.miss_limit) << "the game must never be lost";
        if (on_map) {
            ASSERT_EQ(s.level, 1 + won());
            ASSERT_NE(core::core_state().map_grid[static_cast<std::size_t>(m.pawn_col)][static_cast<std::size_t>(m.pawn_row)],
                      core::map_square::kBlank)
                << "the pawn left the road at " << m.pawn_col << "," << m.pawn_row;
            // Arrows only while the pawn may step, and then exactly the road next to it less the way back.
            const int dc[5] = {0, -1, 1, 0, 0}, dr[5] = {0, 0, 0, -1, 1};
            for (int d = 1; d <= 4; ++d) {
                const int c = m.pawn_col + dc[d], r = m.pawn_row + dr[d];
                const bool road =
                    c >= 1 && c <= 21 && r >= 1 && r <= 16 &&
                    s.map_grid[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)] != core::map_square::kBlank;
                ASSERT_EQ(f.bt_arrow[static_cast<std::size_t>(d)]->visible(),
                          st == core::StateWord::WalkMap && road && d != m.back_dir)
                    << "arrow " << d << " at " << m.pawn_col << "," << m.pawn_row;
            }
        }
        if (st == core::StateWord::GameWon || st == core::StateWord::PlayFirework || st == core::StateWord::MainMenu) {
            ASSERT_FALSE(f.pbox_dice->visible());
            ASSERT_FALSE(f.Pbox_hint->visible());
            ASSERT_FALSE(f.Shape_rad->visible());
            ASSERT_FALSE(f.Label_msgbox->visible());
            for (int d = core::direction::kLeft; d <= core::direction::kDown; ++d) {
                ASSERT_FALSE(f.bt_arrow[static_cast<std::size_t>(d)]->visible()) << d;
            }
        }
        // The castle stands on one of the secrets, never the one whose win unveiled it.
        if (s.castle_on && m.secret_col[11] != core::kCastleNotPlaced) {
            int secret_under = 0;
            for (std::size_t i = 1; i <= 10; ++i) {
                if (m.secret_col[i] == m.secret_col[11] && m.secret_row[i] == m.secret_row[11]) secret_under = static_cast<int>(i);
            }
            ASSERT_NE(secret_under, 0) << "the castle off the secrets";
            ASSERT_NE(secret_under, m.final_secret) << "the castle on the secret just won";
        }
        // Each secret is hidden, then revealed, then won, once; only the won story hides them all.
        for (std::size_t i = 1; i <= 10; ++i) {
            if (m.secret_state[i] != last_state_[i]) {
                const bool forward = m.secret_state[i] == last_state_[i] + 1;
                const bool story_over = st == core::StateWord::GameWon || (pane && won_seen_ == 10);
                ASSERT_TRUE(forward || (m.secret_state[i] == core::secret_state::kHidden && story_over))
                    << "secret " << i << " went from " << last_state_[i] << " to " << m.secret_state[i];
                if (m.secret_state[i] == core::secret_state::kWon) ++wins_of_[i];
                last_state_[i] = m.secret_state[i];
            }
        }
        won_seen_ = std::max(won_seen_, won());
    }

    std::int64_t now_ = 0;
    std::map<platform::Timer*, std::int64_t> due_;
    std::array<std::int16_t, 11> last_state_{};
    std::array<int, 11> wins_of_{};
    int won_seen_ = 0;
    int name_entries = 0, other_windows = 0;
};

TEST_F(StoryGame, FromTheTitleThroughTenSecretsAndTheCastleToTheFireworksAndBack) {
    platform::seed_random(2024);
    const std::int16_t stories_before = core::core_state().stories_won;
    testing_support::StoryPlan plan;
    plan.lose_secret_round = 2;
    plan.difficulty = 2;  // the window test plays the first difficulty
    plan.character = 4;
    StoryAutopilot player(plan);
    int inputs = 0;
    bool picks_checked = false;
    for (;;) {
        const PlayerAction a = player.next(now_);
        ASSERT_NE(a.kind, PlayerAction::kStuck) << a.text;
        if (a.kind == PlayerAction::kDone) break;
        if (a.kind == PlayerAction::kWait) {
            pass(16);
            ASSERT_LT(now_, 20 * 60 * 1000) << "the game never came to an end";
        } else {
            ASSERT_LT(++inputs, 3000);
            perform(a);
        }
        ASSERT_NO_FATAL_FAILURE(check(a.what.c_str()));
        // Once on the map: the start screen's picks are the game's.
        if (!picks_checked && core::core_state().game_state == core::StateWord::RollDice) {
            picks_checked = true;
            EXPECT_EQ(modes::mode_state().pawn_char, plan.character);
            EXPECT_EQ(core::core_state().cur_story_diff.name, core::core_state().story_diff_table[static_cast<std::size_t>(plan.difficulty)].name);
        }
    }

    // Every secret won exactly once, the lost round and the extra rounds on the way.
    for (std::size_t i = 1; i <= 10; ++i) EXPECT_EQ(wins_of_[i], 1) << "secret " << i;
    const std::vector<int>& kinds = player.round_kinds;
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), 2), 2) << "secret 2 lost on time, then won";
    EXPECT_EQ(player.rounds_lost, 1);
    EXPECT_EQ(kinds.front(), core::story_round::kLevelPuzzle) << "a level round first";
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), core::story_round::kStar), 1) << "the star round";
    EXPECT_EQ(kinds.back(), core::story_round::kCastle) << "the castle round last";
    EXPECT_GT(player.misses_made, 0);

    // The ending: six pages, one Hall of Fame check, one more story won; back on the title.
    EXPECT_EQ(player.pages_turned, 6);
    EXPECT_EQ(name_entries, 1);
    EXPECT_EQ(other_windows, 1) << "the Hall of Fame after the name entry";
    EXPECT_GT(core::core_state().hof_table[1].score, 10);
    EXPECT_EQ(core::core_state().hof_table[1].mode, "Story - Crazy!");
    EXPECT_EQ(core::core_state().stories_won, stories_before + 1);
    EXPECT_EQ(ui::screen().fw_count, 12) << "one rocket more";
    EXPECT_FALSE(ui::screen().fw_randcolour) << "a colour picked from the palette";
    EXPECT_EQ(ui::screen().fw_hmax, 220) << "the height from the press on the sky";
    ui::MainForm& f = form();
    EXPECT_EQ(core::core_state().game_state, core::StateWord::MainMenu);
    EXPECT_EQ(core::core_state().game_mode, core::GameMode::Menu);
    EXPECT_EQ(f.Img_bgcastle->picture(), ui::form_clip().pclip_bgcastle.cell(1));
    for (platform::Timer* t : f.timers()) {
        if (t != &f.Timer_pmsg && t != &f.Timer_ansclose) {
            EXPECT_FALSE(t->enabled()) << t->interval();
        }
    }
    for (auto* box : f.pbox_box) EXPECT_TRUE(!box->visible() || box->top() >= 426) << "a side panel left in sight";
    EXPECT_FALSE(f.gridline[0]->visible());

    // The next story starts afresh: nothing of the won one is left on the map.
    click(f.Label_mi[1]);
    pass(800);
    click(f.Label_bt[2]);
    ASSERT_NO_FATAL_FAILURE(wait_for(core::StateWord::RollDice));
    ASSERT_NO_FATAL_FAILURE(check("a second story"));
    const modes::ModeState& m = modes::mode_state();
    for (std::size_t i = 1; i <= 10; ++i) EXPECT_EQ(m.secret_state[i], core::secret_state::kHidden) << i;
    EXPECT_EQ(m.secret_col[11], core::kCastleNotPlaced) << "no castle on the new map";
    EXPECT_FALSE(core::core_state().castle_on);
    EXPECT_EQ(core::core_state().level, 1);
}

}  // namespace
