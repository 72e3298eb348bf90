// The Story rounds' set-up: level grids and recipes, picture rounds, the star round, and a
// secret picture that cannot be shown.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <set>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "core/grid.h"
#include "core/hud.h"
#include "modes/bonus_hints.h"
#include "modes/story_rounds.h"
#include "platform/random.h"
#include "support/layer_fixture.h"
#include "support/story_fixture.h"

namespace {

using testing_support::DrawLog;
using testing_support::range;
using testing_support::StoryTest;

class StoryRounds : public StoryTest {};

struct LevelCase {
    int level;
    int cols, rows, pieces;
    std::vector<core::DrawRecord> opens;  // the recipe's first draws after the glow colours: which recipe
};

TEST_F(StoryRounds, LevelPuzzlesGrowWithTheLevel) {
    const std::vector<LevelCase> cases = {
        {0, 6, 5, 1, {range(1, 2), range(30, 20)}},  // below 1 counts as level 1
        {1, 6, 5, 1, {range(1, 2), range(30, 20)}},
        {2, 6, 5, 2, {range(1, 2), range(20, 10)}},
        {3, 6, 5, 2, {range(1, 2), range(30, 20)}},
        {4, 7, 5, 2, {range(1, 2), range(15, 10)}},
        {5, 7, 5, 3, {range(1, 3), range(18, 5)}},
        {6, 7, 6, 3, {range(1, 3), range(18, 5)}},
        {7, 7, 6, 3, {range(1, 2), range(18, 5)}},
        {8, 8, 6, 4, {range(1, 2), range(18, 5)}},
        {9, 8, 6, 4, {range(1, 4), range(18, 5)}},
        {10, 8, 7, 3, {range(18, 5), range(15, 5)}},
        {11, 8, 7, 3, {range(4, 4), range(6, 7)}},
        {12, 8, 8, 3, {range(4, 4), range(6, 7)}},
    };
    for (const LevelCase& c : cases) {
        SCOPED_TRACE(c.level);
        core::core_state().level = static_cast<std::int16_t>(c.level);
        core::core_state().round_kind = core::story_round::kLevelPuzzle;
        DrawLog log;
        modes::gen_round_puzzle();
        const core::CoreState& s = core::core_state();
        EXPECT_EQ(s.round_cols, c.cols);
        EXPECT_EQ(s.round_rows, c.rows);
        EXPECT_EQ(s.tgt_count, c.pieces);
        EXPECT_EQ(s.level, c.level < 1 ? 1 : c.level);
        ASSERT_GE(log.draws.size(), 3 + c.opens.size());
        const std::vector<core::DrawRecord> glow(log.draws.begin(), log.draws.begin() + 3);
        EXPECT_EQ(glow, std::vector<core::DrawRecord>(3, range(90, 150)));
        const std::vector<core::DrawRecord> opens(log.draws.begin() + 3,
                                                  log.draws.begin() + 3 + static_cast<long>(c.opens.size()));
        EXPECT_EQ(opens, c.opens);
    }
}

TEST_F(StoryRounds, PictureRoundsTakeTheDifficultysGridAndTheSecretsOwnPicture) {
    const QImage file(QString::fromStdString(platform::data_path("pic/" + core::core_state().secret_pic[3])));
    ASSERT_FALSE(file.isNull());
    const int grids[3][3] = {{7, 6, 2}, {8, 7, 3}, {9, 8, 4}};
    for (int d = 0; d <= 2; ++d) {
        SCOPED_TRACE(d);
        set_difficulty(d);
        core::core_state().round_kind = 3;
        modes::gen_round_puzzle();
        const core::CoreState& s = core::core_state();
        EXPECT_EQ(s.round_cols, grids[d][0]);
        EXPECT_EQ(s.round_rows, grids[d][1]);
        EXPECT_EQ(s.tgt_count, grids[d][2]);
        for (int x = 0; x < 420; x += 97) {
            EXPECT_EQ(form().pbox_temp->pixel(x, 317 - x / 2), platform::from_qrgb(file.pixel(x, 317 - x / 2)));
        }
    }
    EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(StoryRounds, TheStarRoundGivesAHundredSecondsAndOneMissBack) {
    set_difficulty(2);
    const auto [col, row] = free_square(core::map_square::kStar);
    for (int misses : {2, 0}) {
        SCOPED_TRACE(misses);
        core::core_state().misses = static_cast<std::uint8_t>(misses);
        put_pawn(col, row);
        modes::land_square();
        {
            // Glow colours, then the largest grid: 8 x 7.
            platform::ScriptedRandom script({0.5f, 0.5f, 0.5f, 0.99999994f, 0.99999994f, 0.3f});
            ui::Timer_pane_Timer();
            finish_half();
        }
        finish_half();
        const core::CoreState& s = core::core_state();
        EXPECT_EQ(s.round_kind, core::story_round::kStar);
        EXPECT_EQ(s.grid_cols, 8);
        EXPECT_EQ(s.grid_rows, 7);
        EXPECT_EQ(s.tgt_count, 4);
        EXPECT_EQ(s.round_time_left, 100);
        EXPECT_FALSE(form().gridline[0]->visible());
        find_every_piece();
        EXPECT_EQ(s.misses, misses == 0 ? 0 : misses - 1);
        back_to_map();
    }
}

// Should a reader wait on the pipe for a writer, this opens the pipe's other end once a grace
// far beyond any load has passed, so that the test fails instead of hanging the suite.
class PipeWatch {
public:
    explicit PipeWatch(std::string pipe) : thread_([this, pipe] { watch(pipe); }) {}
    ~PipeWatch() {
        {
            const std::lock_guard lock(mutex_);
            done_ = true;
        }
        woken_.notify_all();
        thread_.join();
    }
    bool had_to_unblock() const { return unblocked_; }

private:
    void watch(const std::string& pipe) {
        std::unique_lock lock(mutex_);
        if (woken_.wait_for(lock, std::chrono::seconds(60), [this] { return done_; })) return;
        unblocked_ = true;
        while (!woken_.wait_for(lock, std::chrono::milliseconds(50), [this] { return done_; })) {
            const int fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) ::close(fd);
        }
    }
    std::mutex mutex_;
    std::condition_variable woken_;
    bool done_ = false;
    std::atomic<bool> unblocked_{false};
    std::thread thread_;
};

// A picture file that cannot be shown still leaves a round the player can win.
class SecretPictureTrouble : public StoryTest {
protected:
    void SetUp() override {
        StoryTest::SetUp();
        ASSERT_TRUE(dir_.isValid());
        QDir(dir_.path()).mkdir("pic");
        QImage small(10, 10, QImage::Format_RGB32);
        small.fill(qRgb(200, 10, 10));
        small.save(dir_.filePath("pic/small.png"));
        QImage large(500, 400, QImage::Format_RGB32);
        for (int y = 0; y < large.height(); ++y) {
            for (int x = 0; x < large.width(); ++x) large.setPixel(x, y, qRgb(x / 2, y / 2, 90));
        }
        large.save(dir_.filePath("pic/large.png"));
        ASSERT_EQ(::mkfifo(dir_.filePath("pic/pipe.png").toUtf8().constData(), 0600), 0);
        QImage whole(420, 320, QImage::Format_RGB32);
        whole.fill(qRgb(10, 200, 10));
        whole.save(dir_.filePath("secret01.png"));  // beside "pic", not in it
        QFile bad(dir_.filePath("pic/bad.png"));
        ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
        bad.write("\x89PNG\r\n\x1a\n but nothing after the signature");
        bad.close();
        platform::set_data_folder(dir_.path().toStdString());
    }
    void TearDown() override {
        platform::set_data_folder("");
        StoryTest::TearDown();
    }

    // Plays secret 3 under the given picture name and wins it.
    void play_secret_3(const std::string& name) {
        core::core_state().secret_pic[3] = name;
        modes::mode_state().secret_state[3] = core::secret_state::kRevealed;
        put_pawn_on_secret(3);
        form().pbox_temp->draw().box(0, 0, 423, 323, kStale, true);
        modes::land_square();
        open_round();
    }

    const platform::Colour kStale = platform::rgb(1, 2, 3);
    QTemporaryDir dir_;
};

TEST_F(SecretPictureTrouble, AMissingDamagedOrStrayPictureFallsBackToTheLevelPicture) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"missing.png", "\"pic/missing.png\""},
        {"bad.png", "\"pic/bad.png\""},
        {"small.png", "\"pic/small.png\" of secret round 3 is 10 x 10"},
        {"pipe.png", "\"pic/pipe.png\" of secret round 3 is missing"},
        {"../secret01.png", "\"../secret01.png\""},
        {"", "names no picture for secret round 3"},
    };
    const PipeWatch watch(dir_.filePath("pic/pipe.png").toStdString());
    for (const auto& [name, named] : cases) {
        SCOPED_TRACE(name);
        boxes.calls.clear();
        modes::mode_state().secret_state[3] = core::secret_state::kRevealed;
        play_secret_3(name);
        ASSERT_EQ(boxes.calls.size(), 1u);
        EXPECT_NE(boxes.calls[0].text.find(named), std::string::npos) << boxes.calls[0].text;
        const core::CoreState& s = core::core_state();
        EXPECT_EQ(s.round_kind, 3);
        EXPECT_EQ(s.grid_cols, 7);
        EXPECT_EQ(s.grid_rows, 6);
        EXPECT_EQ(s.tgt_count, 2);
        int stale = 0;
        std::set<platform::Colour> colours;
        for (int y = 0; y < 320; y += 16) {
            for (int x = 0; x < 420; x += 16) {
                stale += form().pbox_temp->pixel(x, y) == kStale;
                colours.insert(form().pbox_temp->pixel(x, y));
            }
        }
        EXPECT_LT(stale, 20) << "the level picture takes the whole board";
        EXPECT_GT(colours.size(), 5u) << "a generated picture, not a blank board";
        find_every_piece();
        EXPECT_EQ(modes::mode_state().secret_state[3], core::secret_state::kWon);
        back_to_map();
        modes::apply_bonus(0);
        stop_dice();
    }
    EXPECT_FALSE(watch.had_to_unblock()) << "the picture loader waited on a pipe";
}

TEST_F(SecretPictureTrouble, ALargerPictureIsCutFromItsTopLeftCorner) {
    play_secret_3("large.png");
    EXPECT_TRUE(boxes.calls.empty());
    for (const auto& [x, y] : {std::pair{0, 0}, {419, 0}, {0, 319}, {419, 319}, {211, 157}}) {
        EXPECT_EQ(form().pbox_temp->pixel(x, y), platform::rgb(x / 2, y / 2, 90)) << x << "," << y;
    }
}

TEST(PlainFileName, OnlyANameInsideThePictureFolder) {
    EXPECT_TRUE(modes::plain_file_name("secret01.png"));
    EXPECT_TRUE(modes::plain_file_name("my picture.bmp"));
    for (const char* bad : {"", "..", "../x.png", "a/b.png", "a\\b.png", "C:x.png", "x\n.png"}) {
        EXPECT_FALSE(modes::plain_file_name(bad)) << bad;
    }
}

}  // namespace
