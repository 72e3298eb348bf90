// The secret-round pictures in pic/: readable, 420 x 320, and no two cells alike on any grid.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/rounding.h"
#include "platform/picture.h"
#include "platform/services.h"

namespace {

constexpr int kPictureW = 420;
constexpr int kPictureH = 320;

// A player must be able to tell any two cells apart by eye, not just by an odd pixel: the
// mean difference per colour channel between two cells has to exceed this.
constexpr double kMinMeanDifference = 6.0;

struct Grid {
    int cols;
    int rows;
};

// The grids of the three Story difficulties' picture rounds.
constexpr Grid kStoryGrids[] = {{7, 6}, {8, 7}, {9, 8}};

struct Cell {
    int x, y, w, h;
};

std::string picture_name(int n) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "pic/secret%02d.png", n);
    return buf;
}

// Cells as the board cuts them: rounded cell size, the last row or column clipped.
std::vector<Cell> cut(const Grid& g) {
    const int w = core::cint(static_cast<double>(kPictureW) / g.cols);
    const int h = core::cint(static_cast<double>(kPictureH) / g.rows);
    std::vector<Cell> cells;
    for (int r = 0; r < g.rows; ++r) {
        for (int c = 0; c < g.cols; ++c) {
            const int x = c * w, y = r * h;
            cells.push_back({x, y, std::min(w, kPictureW - x), std::min(h, kPictureH - y)});
        }
    }
    return cells;
}

// Mean absolute difference per channel over the area both cells share from their top left;
// a clipped edge cell that matches the start of another cell counts as alike.
double mean_difference(const platform::Picture& p, const Cell& a, const Cell& b) {
    const int w = std::min(a.w, b.w), h = std::min(a.h, b.h);
    long long sum = 0;
    for (int y = 0; y < h; ++y) {
        const QRgb* ra = reinterpret_cast<const QRgb*>(p.constScanLine(a.y + y)) + a.x;
        const QRgb* rb = reinterpret_cast<const QRgb*>(p.constScanLine(b.y + y)) + b.x;
        for (int x = 0; x < w; ++x) {
            sum += std::abs(qRed(ra[x]) - qRed(rb[x])) + std::abs(qGreen(ra[x]) - qGreen(rb[x])) +
                   std::abs(qBlue(ra[x]) - qBlue(rb[x]));
        }
    }
    return static_cast<double>(sum) / (3.0 * w * h);
}

class SecretPictureFile : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        // The build copies the data folder beside the test program.
        platform::set_data_folder(QCoreApplication::applicationDirPath().toStdString());
        picture_ = platform::load_picture(platform::data_path(picture_name(GetParam())));
    }
    void TearDown() override { platform::set_data_folder(""); }

    platform::Picture picture_;
};

TEST_P(SecretPictureFile, LoadsAtTheBoardSize) {
    ASSERT_FALSE(picture_.isNull()) << picture_name(GetParam()) << " is missing or unreadable";
    EXPECT_EQ(picture_.width(), kPictureW);
    EXPECT_EQ(picture_.height(), kPictureH);
}

TEST_P(SecretPictureFile, NoTwoCellsLookAlikeOnAnyStoryGrid) {
    ASSERT_EQ(picture_.size(), QSize(kPictureW, kPictureH));
    for (const Grid& g : kStoryGrids) {
        const std::vector<Cell> cells = cut(g);
        double closest = 1e9;
        std::size_t ca = 0, cb = 0;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            for (std::size_t j = i + 1; j < cells.size(); ++j) {
                const double d = mean_difference(picture_, cells[i], cells[j]);
                if (d < closest) {
                    closest = d;
                    ca = i;
                    cb = j;
                }
            }
        }
        const auto col = [&](std::size_t k) { return static_cast<int>(k) % g.cols + 1; };
        const auto row = [&](std::size_t k) { return static_cast<int>(k) / g.cols + 1; };
        EXPECT_GT(closest, kMinMeanDifference)
            << picture_name(GetParam()) << " at " << g.cols << " x " << g.rows << ": cells ("
            << col(ca) << "," << row(ca) << ") and (" << col(cb) << "," << row(cb)
            << ") differ by only " << closest;
    }
}

INSTANTIATE_TEST_SUITE_P(SecretPictures, SecretPictureFile, ::testing::Range(1, 11),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(info.param < 10 ? "secret0" : "secret") +
                                    std::to_string(info.param);
                         });

// The cut itself: the rounded sizes leave the grid short of or past the picture's edge, and
// the edge cells must be clipped, never read outside the picture.
TEST(SecretPicturesCut, EdgeCellsStayInsideThePicture) {
    for (const Grid& g : kStoryGrids) {
        for (const Cell& c : cut(g)) {
            EXPECT_GE(c.w, 1);
            EXPECT_GE(c.h, 1);
            EXPECT_LE(c.x + c.w, kPictureW);
            EXPECT_LE(c.y + c.h, kPictureH);
        }
    }
    const std::vector<Cell> nine = cut({9, 8});
    EXPECT_EQ(nine[0].w, 47);
    EXPECT_EQ(nine[8].w, 420 - 8 * 47);
    const std::vector<Cell> eight = cut({8, 7});
    EXPECT_EQ(eight[0].w, 52);
    EXPECT_EQ(eight[0].h, 46);
    EXPECT_EQ(eight.back().h, 320 - 6 * 46);
}

}  // namespace
