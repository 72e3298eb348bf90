// The built-in sprites, dice, hint, arrows and palette: the sizes, cells and masks the screens rely on.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <string>

#include "ui/picture_store.h"

namespace {

constexpr QRgb kBlackPx = 0xFF000000;
constexpr QRgb kWhitePx = 0xFFFFFFFF;

bool is_black(QRgb c) { return (c & 0xFFFFFF) == 0; }

// Pixels of a rectangle that are not pure black.
int shown_pixels(const QImage& img, int x0, int y0, int w, int h) {
    int n = 0;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x) n += is_black(img.pixel(x, y)) ? 0 : 1;
    return n;
}

// A masked sprite: the mask is pure black or white, black exactly where the sprite shows.
// Gives the number of pixels that break the rule, so a failure says how bad it is.
int mask_faults(const QImage& sheet, int sx, int sy, int mx, int my, int w, int h) {
    int faults = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb sprite = sheet.pixel(sx + x, sy + y) | 0xFF000000;
            const QRgb mask = sheet.pixel(mx + x, my + y) | 0xFF000000;
            if (mask != kBlackPx && mask != kWhitePx) ++faults;
            else if ((mask == kBlackPx) == is_black(sprite)) ++faults;
        }
    return faults;
}

bool same_picture(const QImage& a, const QImage& b) {
    return a.size() == b.size() && a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

const QImage& pawn_sheet() {
    static const QImage img = ui::form_clip().pbox_pawn.snapshot();
    return img;
}

const QImage& res_sheet() {
    static const QImage img = ui::form_clip().pbox_res.snapshot();
    return img;
}

TEST(ArtSprites, SheetsKeepTheirSizes) {
    EXPECT_EQ(pawn_sheet().size(), QSize(50, 500));
    EXPECT_EQ(res_sheet().size(), QSize(420, 260));
    EXPECT_EQ(ui::form_clip().pclip_dice.picture().size(), QSize(360, 50));
    EXPECT_EQ(ui::form_clip().pclip_hint.picture().size(), QSize(150, 30));
    EXPECT_EQ(ui::form_clip().pclip_arrow.picture().size(), QSize(60, 15));
    EXPECT_EQ(ui::form_clip().palette.size(), QSize(160, 30));
}

TEST(ArtSprites, EveryCharacterRowHoldsASolidPawn) {
    // A third of the cell at least: a pawn must read on the map, not be a dot.
    for (int r = 0; r < ui::PictureStore::kPawnRows; ++r)
        EXPECT_GT(shown_pixels(pawn_sheet(), 0, 25 * r, 25, 25), 25 * 25 / 3) << "row " << r;
    // The two spare rows stay empty, with masks that keep the board.
    EXPECT_EQ(shown_pixels(pawn_sheet(), 0, 450, 25, 50), 0);
    EXPECT_EQ(mask_faults(pawn_sheet(), 0, 450, 25, 450, 25, 50), 0);
}

TEST(ArtSprites, MasksMatchTheirSprites) {
    struct Case { const char* what; const QImage& sheet; int sx, sy, mx, my, w, h; };
    std::vector<Case> cases = {
        {"landscape", res_sheet(), 0, 0, 0, 100, 420, 100},
        {"gift", res_sheet(), 0, 200, 75, 200, 75, 60},
    };
    for (int r = 0; r < ui::PictureStore::kPawnRows; ++r)
        cases.push_back({"pawn", pawn_sheet(), 0, 25 * r, 25, 25 * r, 25, 25});
    for (const Case& c : cases)
        EXPECT_EQ(mask_faults(c.sheet, c.sx, c.sy, c.mx, c.my, c.w, c.h), 0) << c.what << " at y " << c.sy;
}

TEST(ArtSprites, PawnsStayInsideTheirCells) {
    // The rows are cut apart and the pawn bobs over the map: a pixel on a cell's edge would be
    // a sliver of the neighbouring character, or a cut-off part of this one.
    for (int r = 0; r < ui::PictureStore::kPawnRows; ++r) {
        const int y0 = 25 * r;
        EXPECT_EQ(shown_pixels(pawn_sheet(), 0, y0, 25, 1), 0) << "top of row " << r;
        EXPECT_EQ(shown_pixels(pawn_sheet(), 0, y0 + 24, 25, 1), 0) << "bottom of row " << r;
        EXPECT_EQ(shown_pixels(pawn_sheet(), 0, y0, 1, 25), 0) << "left of row " << r;
        EXPECT_EQ(shown_pixels(pawn_sheet(), 24, y0, 1, 25), 0) << "right of row " << r;
    }
}

TEST(ArtSprites, LandscapeCoversTheGroundAndLetsTheSkyThrough) {
    // The show's sky stops 40 rows into the skyline; everything below must be ground.
    for (int y = 40; y < 100; ++y)
        EXPECT_EQ(shown_pixels(res_sheet(), 0, y, 420, 1), 420) << "row " << y;
    // The top row is mostly sky: only the castle's spires reach it.
    EXPECT_LT(shown_pixels(res_sheet(), 0, 0, 420, 1), 420 / 10);
}

TEST(ArtSprites, GiftSitsFreeInItsBox) {
    const QImage& s = res_sheet();
    EXPECT_GT(shown_pixels(s, 0, 200, 75, 60), 75 * 60 / 3);
    for (const QPoint p : {QPoint(0, 200), QPoint(74, 200), QPoint(0, 259), QPoint(74, 259)})
        EXPECT_TRUE(is_black(s.pixel(p))) << p.x() << "," << p.y();
}

TEST(ArtSprites, CellStripsHoldDistinctPictures) {
    struct Case { const char* what; const platform::PictureClip& clip; int cells; bool all_pairs; };
    const ui::PictureStore& store = ui::form_clip();
    // Every die face and arrow differs from every other; the hint only needs each frame to
    // change from the one before, or its animation would stall.
    const Case cases[] = {
        {"dice", store.pclip_dice, 6, true},
        {"arrows", store.pclip_arrow, 4, true},
        {"hint", store.pclip_hint, 6, false},
    };
    for (const Case& c : cases) {
        for (int i = 0; i < c.cells; ++i) {
            ASSERT_FALSE(c.clip.cell(i).isNull()) << c.what << " " << i;
            if (c.all_pairs) {
                for (int j = i + 1; j < c.cells; ++j)
                    EXPECT_FALSE(same_picture(c.clip.cell(i), c.clip.cell(j))) << c.what << " " << i << "/" << j;
            } else {
                const int next = (i + 1) % c.cells;
                EXPECT_FALSE(same_picture(c.clip.cell(i), c.clip.cell(next))) << c.what << " " << i << "/" << next;
            }
        }
    }
}

TEST(ArtSprites, PaletteOffersBrightColoursOfEveryKind) {
    const QImage& pal = ui::form_clip().palette;
    bool reddish = false, greenish = false, bluish = false;
    for (int y = 0; y < pal.height(); ++y)
        for (int x = 0; x < pal.width(); ++x) {
            const QRgb c = pal.pixel(x, y);
            const int r = qRed(c), g = qGreen(c), b = qBlue(c);
            // A near-black pick would make invisible fireworks.
            ASSERT_GE(std::max({r, g, b}), 160) << x << "," << y;
            reddish |= r > g + 100 && r > b + 100;
            greenish |= g > r + 100 && g > b + 100;
            bluish |= b > r + 100 && b > g + 60;
        }
    EXPECT_TRUE(reddish);
    EXPECT_TRUE(greenish);
    EXPECT_TRUE(bluish);
}

}  // namespace
