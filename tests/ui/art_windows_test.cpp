// The window background schemes and the side-window pictures: sizes, tiling and HUD shadows.
#include <gtest/gtest.h>

#include <QColor>
#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "ui/picture_store.h"

namespace {

using platform::Picture;

constexpr int kRowW = 280;
constexpr int kRowH = 20;
constexpr int kStripX = 180;
constexpr int kStripW = 100;

struct Rgb {
    double r = 0, g = 0, b = 0;
};

Rgb at(const Picture& p, int x, int y) {
    const QRgb c = p.pixel(x, y);
    return {double(qRed(c)), double(qGreen(c)), double(qBlue(c))};
}

double distance(const Rgb& a, const Rgb& b) {
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

double luminance(const Rgb& c) { return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b; }

Rgb average(const Picture& p) {
    Rgb sum;
    for (int y = 0; y < p.height(); ++y) {
        for (int x = 0; x < p.width(); ++x) {
            const Rgb c = at(p, x, y);
            sum.r += c.r;
            sum.g += c.g;
            sum.b += c.b;
        }
    }
    const double n = double(p.width()) * p.height();
    return {sum.r / n, sum.g / n, sum.b / n};
}

// The painter's rule for the HUD twins: the pixel at (1, 15) less 44 per channel, floored at 0.
Rgb shadow_of(const Picture& row) {
    const Rgb c = at(row, 1, 15);
    auto less = [](double v) { return v > 44 ? v - 44 : 0.0; };
    return {less(c.r), less(c.g), less(c.b)};
}

std::vector<Picture> scheme_rows() {
    std::vector<Picture> rows;
    for (int k = 0; k < 10; ++k) rows.push_back(ui::form_clip().pclip_bg.cell(k));
    return rows;
}

bool same_column(const Picture& p, int a, int b) {
    for (int y = 0; y < p.height(); ++y) {
        if (p.pixel(a, y) != p.pixel(b, y)) return false;
    }
    return true;
}

// Total colour change between two pixel rows of a tile.
double row_step(const Picture& p, int y0, int y1) {
    double sum = 0;
    for (int x = 0; x < p.width(); ++x) sum += distance(at(p, x, y0), at(p, x, y1));
    return sum;
}

TEST(ArtWindowsPictures, HaveTheSizesTheWindowsAreLaidOutFor) {
    const ui::PictureStore& s = ui::form_clip();
    struct Case {
        const char* name;
        const Picture& pic;
        int w, h;
    };
    const Case cases[] = {
        {"backgrounds", s.pclip_bg.picture(), 280, 200},  {"hof_banner", s.hof_banner, 41, 219},
        {"help_banner", s.help_banner, 41, 291},          {"help_illustration", s.help_illustration, 122, 167},
        {"entername_bg", s.entername_bg, 360, 100},       {"about_logo", s.about_logo, 240, 90},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.pic.width(), c.w);
        EXPECT_EQ(c.pic.height(), c.h);
        // A missing or broken source falls back to one flat colour; the real picture never is.
        std::set<QRgb> colours;
        for (int y = 0; y < c.pic.height(); ++y) {
            for (int x = 0; x < c.pic.width(); ++x) colours.insert(c.pic.pixel(x, y));
        }
        EXPECT_GT(colours.size(), 8u);
    }
    EXPECT_EQ(s.pclip_bg.rows(), 10);
    EXPECT_EQ(s.pclip_bg.cols(), 1);
    EXPECT_EQ(s.pclip_bg.cell_width(), kRowW);
    EXPECT_EQ(s.pclip_bg.cell_height(), kRowH);
}

TEST(ArtWindowsPictures, LogoAndIllustrationSitOnTheBlackWindow) {
    const ui::PictureStore& s = ui::form_clip();
    for (const Picture* p : {&s.about_logo, &s.help_illustration}) {
        const int r = p->width() - 1, b = p->height() - 1;
        const std::pair<int, int> corners[] = {{0, 0}, {r, 0}, {0, b}, {r, b}};
        for (const auto& [x, y] : corners) {
            EXPECT_EQ(p->pixel(x, y) & 0xFFFFFFu, 0u) << p->width() << " x " << p->height() << " at " << x << "," << y;
        }
    }
}

// The strip is laid at x 280, 380 and 480: it must repeat with a period dividing 100, so that
// its right edge runs on into its left edge exactly as it does inside the strip.
TEST(ArtWindowsBackgrounds, StripRepeatsWithAPeriodDividingItsWidth) {
    const std::vector<Picture> rows = scheme_rows();
    for (int k = 0; k < 10; ++k) {
        SCOPED_TRACE("scheme " + std::to_string(k));
        const Picture& row = rows[k];
        ASSERT_EQ(row.width(), kRowW);
        bool periodic = false;
        for (int period : {1, 2, 4, 5, 10, 20, 25, 50}) {
            bool ok = true;
            for (int x = 0; x < kStripW && ok; ++x) {
                ok = same_column(row, kStripX + x, kStripX + (x + period) % kStripW);
            }
            periodic = periodic || ok;
        }
        EXPECT_TRUE(periodic);
    }
}

// The row tile is followed by the strip's first column, so the pattern's last column must be
// the strip's last one: then the joint at x 180 is the strip's own seamless joint.
TEST(ArtWindowsBackgrounds, PatternRunsOnIntoTheStrip) {
    const std::vector<Picture> rows = scheme_rows();
    for (int k = 0; k < 10; ++k) {
        EXPECT_TRUE(same_column(rows[k], kStripX - 1, kStripX + kStripW - 1)) << "scheme " << k;
    }
}

// Rows are stacked every 20 px: the step from the bottom line to the top line must be no
// harsher than some step inside the tile, or a stripe shows at every joint.
TEST(ArtWindowsBackgrounds, RowsStackWithoutASeam) {
    const std::vector<Picture> rows = scheme_rows();
    for (int k = 0; k < 10; ++k) {
        double inside = 0;
        for (int y = 0; y + 1 < kRowH; ++y) inside = std::max(inside, row_step(rows[k], y, y + 1));
        EXPECT_LE(row_step(rows[k], kRowH - 1, 0), inside) << "scheme " << k;
    }
}

TEST(ArtWindowsBackgrounds, TenDistinctSchemes) {
    const std::vector<Picture> rows = scheme_rows();
    std::vector<Rgb> mean;
    for (const Picture& r : rows) mean.push_back(average(r));
    for (int a = 0; a < 10; ++a) {
        for (int b = a + 1; b < 10; ++b) {
            EXPECT_FALSE(rows[a] == rows[b]) << a << " and " << b;
            EXPECT_GE(distance(mean[a], mean[b]), 40.0) << a << " and " << b << " look alike";
        }
    }
}

// The twins draw the HUD values' drop shadows in this colour: it has to stand off the scheme
// and stay far darker than the white digits above it.
TEST(ArtWindowsBackgrounds, HudShadowReadsOnEveryScheme) {
    const std::vector<Picture> rows = scheme_rows();
    for (int k = 0; k < 10; ++k) {
        SCOPED_TRACE("scheme " + std::to_string(k));
        const Rgb shadow = shadow_of(rows[k]);
        const Rgb mean = average(rows[k]);
        EXPECT_GE(distance(shadow, mean), 90.0);
        EXPECT_LE(luminance(shadow), luminance(mean) - 30.0);
        EXPECT_LE(luminance(shadow), 128.0);
    }
}

}  // namespace
