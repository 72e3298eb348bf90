// The large scene pictures: drawn at their sizes, the game-over red, the castle round's cells and the title's readable spots.
#include <gtest/gtest.h>

#include <QColor>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "core/rounding.h"
#include "ui/art.h"
#include "ui/picture_store.h"

namespace {

using platform::Picture;

constexpr QRgb kGameOverRed = qRgb(255, 31, 0);

struct Box {
    int x, y, w, h;
};

const Picture& scene(const std::string& name) {
    ui::PictureStore& s = ui::form_clip();
    if (name == "title") return s.pclip_main.picture();
    if (name == "story_intro") return s.PCLIP_story.picture();
    if (name == "gameover") return s.pclip_gameover.picture();
    if (name == "gamewon") return s.pclip_gamewon.picture();
    if (name == "castle_round") return s.pclip_castle.picture();
    return s.pclip_bgcastle.picture();
}

long count_exact(const Picture& p, QRgb colour) {
    long n = 0;
    for (int y = 0; y < p.height(); ++y) {
        for (int x = 0; x < p.width(); ++x) n += (p.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    }
    return n;
}

double luma(QRgb c) { return (0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c)) / 255.0; }

double mean_luma(const Picture& p, const Box& b) {
    double sum = 0;
    for (int y = b.y; y < b.y + b.h; ++y) {
        for (int x = b.x; x < b.x + b.w; ++x) sum += luma(p.pixel(x, y));
    }
    return sum / (b.w * b.h);
}

int channel_gap(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

struct SceneSize {
    const char* name;
    int w, h;
};

// A missing source falls back to a plain picture of the right size, so the size alone would
// not notice a lost drawing: a drawn scene also has many colours.
TEST(ArtScenes, EachSceneIsDrawnAtItsSize) {
    const SceneSize scenes[] = {{"title", 420, 320},    {"story_intro", 420, 320}, {"gameover", 420, 320},
                                {"gamewon", 420, 320},  {"castle_round", 420, 320}, {"bgcastle", 80, 120}};
    for (const SceneSize& s : scenes) {
        SCOPED_TRACE(s.name);
        EXPECT_TRUE(ui::art::exists(s.name));
        const Picture& p = scene(s.name);
        ASSERT_EQ(p.width(), s.w);
        ASSERT_EQ(p.height(), s.h);
        std::set<QRgb> colours;
        for (int y = 0; y < p.height(); y += 2) {
            for (int x = 0; x < p.width(); x += 2) colours.insert(p.pixel(x, y));
        }
        EXPECT_GT(colours.size(), 40u);
    }
}

TEST(ArtScenes, GameOverLetteringHoldsTheExactRedAndLeavesRoomForStamps) {
    const Picture& p = scene("gameover");
    const long red = count_exact(p, kGameOverRed);
    EXPECT_GE(red, 3000);
    EXPECT_LT(red, p.width() * p.height() / 2) << "the stamps need somewhere to land";
}

TEST(ArtScenes, NoOtherSceneUsesTheGameOverRed) {
    for (const char* name : {"title", "story_intro", "gamewon", "castle_round", "bgcastle"}) {
        EXPECT_EQ(count_exact(scene(name), kGameOverRed), 0) << name;
    }
}

// The castle round is cut into the cells of its grid; a piece must match exactly one of them.
TEST(ArtScenes, CastleRoundCellsAllDifferAtEveryGridItIsPlayedWith) {
    const Picture& p = scene("castle_round");
    const int grids[][2] = {{7, 6}, {8, 7}, {9, 8}};
    for (const auto& grid : grids) {
        const int cols = grid[0], rows = grid[1];
        const int w = core::round_to<int>(420.0 / cols);
        const int h = core::round_to<int>(320.0 / rows);
        std::vector<Picture> cells;
        for (int r = 1; r <= rows; ++r) {
            for (int c = 1; c <= cols; ++c) {
                const QRect cell = QRect((c - 1) * w, (r - 1) * h, w, h).intersected(p.rect());
                cells.push_back(p.copy(cell));
            }
        }
        for (std::size_t i = 0; i < cells.size(); ++i) {
            for (std::size_t j = i + 1; j < cells.size(); ++j) {
                EXPECT_NE(cells[i], cells[j]) << cols << " x " << rows << ": cells " << i << " and " << j;
            }
        }
    }
}

TEST(ArtScenes, TitleCastleTurnsGoldenAndSitsOnTheTitlesOwnHill) {
    const ui::PictureStore& s = ui::form_clip();
    const Picture dark = s.pclip_bgcastle.cell(0);
    const Picture golden = s.pclip_bgcastle.cell(1);
    ASSERT_EQ(dark.size(), QSize(80, 60));
    ASSERT_EQ(golden.size(), QSize(80, 60));
    long differing = 0;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 80; ++x) differing += dark.pixel(x, y) != golden.pixel(x, y);
    }
    EXPECT_GT(differing, 80 * 60 / 5);

    // The castle picture lies over the title at (50, 130): its rim must match what it covers,
    // or the title shows a box around the castle.
    const Picture& title = scene("title");
    for (const Picture* cell : {&dark, &golden}) {
        long gap = 0, n = 0;
        for (int x = 0; x < 80; ++x) {
            gap += channel_gap(cell->pixel(x, 0), title.pixel(50 + x, 130));
            gap += channel_gap(cell->pixel(x, 59), title.pixel(50 + x, 189));
            n += 2;
        }
        for (int y = 0; y < 60; ++y) {
            gap += channel_gap(cell->pixel(0, y), title.pixel(50, 130 + y));
            gap += channel_gap(cell->pixel(79, y), title.pixel(129, 130 + y));
            n += 2;
        }
        EXPECT_LT(double(gap) / n, 6.0);
    }
}

struct TextSpot {
    const char* scene;
    const char* what;
    Box box;
    double max_luma;
};

// White and yellow captions lie over these spots; they need a dark ground to be read.
TEST(ArtScenes, CaptionSpotsAreDarkEnoughForLightText) {
    const TextSpot spots[] = {
        {"title", "main menu", {160, 165, 200, 145}, 0.6},
        {"title", "version caption", {265, 10, 62, 31}, 0.5},
        {"story_intro", "laugh caption", {230, 170, 170, 70}, 0.5},
    };
    for (const TextSpot& t : spots) {
        EXPECT_LT(mean_luma(scene(t.scene), t.box), t.max_luma) << t.scene << ": " << t.what;
    }
}

// The ending scene copies the band at (27, 35) and sways its two banners by up to 24 pixels
// each way; whatever a banner leaves behind is its own edge columns, so the sky there must
// change only from top to bottom.
TEST(ArtScenes, GameWonBannersSwayOverASkyThatHidesTheirTrail) {
    const Picture& p = scene("gamewon");
    const Box bands[] = {{27, 35, 354, 85}, {27, 127, 354, 45}};
    for (const Box& b : bands) {
        for (int y = b.y; y < b.y + b.h; ++y) {
            const QRgb sky = p.pixel(3, y);
            for (int x : {4, 20, b.x, b.x + 5, b.x + b.w - 6, b.x + b.w - 1, 390, 405}) {
                ASSERT_LE(channel_gap(p.pixel(x, y), sky), 3) << x << "," << y;
            }
        }
        // ...and the band itself carries a banner, not just sky.
        long drawn = 0;
        for (int y = b.y; y < b.y + b.h; ++y) {
            for (int x = b.x; x < b.x + b.w; ++x) drawn += channel_gap(p.pixel(x, y), p.pixel(3, y)) > 30;
        }
        EXPECT_GT(drawn, b.w * b.h / 3);
    }
}

}  // namespace
