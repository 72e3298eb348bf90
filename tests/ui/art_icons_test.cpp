// Tests of the object icons behind the dot pictures and of the secret-square icon strip.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <vector>

#include "ui/picture_store.h"

namespace {

using platform::Picture;

constexpr QRgb kPinkMarker = qRgb(255, 128, 255);
constexpr QRgb kYellowMarker = qRgb(255, 255, 128);
constexpr int kObjectCells = 82;  // the dot picture picks cells 0..81

QRgb at(const Picture& pic, int x, int y) { return pic.pixel(x, y) & 0xFFFFFFu; }

bool is_marker(QRgb c) { return c == (kPinkMarker & 0xFFFFFFu) || c == (kYellowMarker & 0xFFFFFFu); }

// Within a few units of a marker in every channel: a colour the eye takes for the marker but the
// game copies as it is, so part of a shape would stay untinted.
bool near(QRgb a, QRgb b, int units) {
    return std::abs(qRed(a) - qRed(b)) <= units && std::abs(qGreen(a) - qGreen(b)) <= units &&
           std::abs(qBlue(a) - qBlue(b)) <= units;
}

bool same_pixels(const Picture& a, const Picture& b) {
    if (a.size() != b.size()) return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (at(a, x, y) != at(b, x, y)) return false;
    return true;
}

int colour_count(const Picture& pic) {
    std::set<QRgb> colours;
    for (int y = 0; y < pic.height(); ++y)
        for (int x = 0; x < pic.width(); ++x) colours.insert(at(pic, x, y));
    return static_cast<int>(colours.size());
}

// The 24 x 24 drawing inside the frame the game puts round each cell of the secret strip.
Picture secret_icon(int column, int row) { return ui::form_clip().icosecret.copy(26 * column + 1, 26 * row + 1, 24, 24); }

TEST(ArtIcons, SheetIsTenByTenCellsOf32x24) {
    const platform::PictureClip& icons = ui::form_clip().pclip_iconpic;
    EXPECT_EQ(icons.picture().width(), 320);
    EXPECT_EQ(icons.picture().height(), 240);
    EXPECT_EQ(icons.rows(), 10);
    EXPECT_EQ(icons.cols(), 10);
    EXPECT_EQ(icons.cell_width(), 32);
    EXPECT_EQ(icons.cell_height(), 24);
    EXPECT_EQ(icons.cell(kObjectCells - 1).size(), QSize(32, 24));
}

TEST(ArtIcons, EveryObjectCellHoldsItsOwnPicture) {
    const platform::PictureClip& icons = ui::form_clip().pclip_iconpic;
    std::vector<Picture> cells;
    for (int k = 0; k < kObjectCells; ++k) {
        cells.push_back(icons.cell(k));
        // At the least a background, an outline and a fill.
        EXPECT_GE(colour_count(cells.back()), 3) << "cell " << k << " looks blank";
    }
    for (int a = 0; a < kObjectCells; ++a)
        for (int b = a + 1; b < kObjectCells; ++b)
            EXPECT_FALSE(same_pixels(cells[a], cells[b])) << "cells " << a << " and " << b << " are the same";
}

TEST(ArtIcons, MostObjectsTakeTheRandomTint) {
    const platform::PictureClip& icons = ui::form_clip().pclip_iconpic;
    int tinted = 0;
    for (int k = 0; k < kObjectCells; ++k) {
        const Picture cell = icons.cell(k);
        int markers = 0;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 32; ++x) markers += is_marker(at(cell, x, y)) ? 1 : 0;
        // A few stray marker pixels would hardly change the picture from one round to the next.
        if (markers >= 32 * 24 / 8) ++tinted;
    }
    EXPECT_GE(tinted, 70);
}

TEST(ArtIcons, NoColourComesCloseToAMarkerWithoutBeingOne) {
    const Picture& sheet = ui::form_clip().pclip_iconpic.picture();
    ASSERT_FALSE(sheet.isNull());
    bool pink = false, yellow = false;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x) {
            const QRgb c = at(sheet, x, y);
            pink = pink || c == (kPinkMarker & 0xFFFFFFu);
            yellow = yellow || c == (kYellowMarker & 0xFFFFFFu);
            if (is_marker(c)) continue;
            ASSERT_FALSE(near(c, kPinkMarker, 6) || near(c, kYellowMarker, 6))
                << "pixel " << x << "," << y << " is almost a marker: " << std::hex << c;
        }
    EXPECT_TRUE(pink);
    EXPECT_TRUE(yellow);
}

TEST(ArtIconsSecretStrip, SizeAndTheBlackRowForTheSavedMap) {
    const Picture& strip = ui::form_clip().icosecret;
    ASSERT_EQ(strip.size(), QSize(286, 104));
    // Column 10 of row 0 is never overwritten: the castle's saved map must read as nothing.
    for (int y = 0; y < 26; ++y)
        for (int x = 0; x < 286; ++x) ASSERT_EQ(at(strip, x, y), 0u) << "pixel " << x << "," << y;
}

TEST(ArtIconsSecretStrip, EachSecretAndTheCastleHaveTheirOwnIconInBothStates) {
    for (int row : {1, 2}) {
        std::vector<Picture> icons;
        for (int column = 0; column < 11; ++column) {
            icons.push_back(secret_icon(column, row));
            EXPECT_GE(colour_count(icons.back()), 4) << "column " << column << " row " << row << " looks blank";
        }
        for (int a = 0; a < 11; ++a)
            for (int b = a + 1; b < 11; ++b)
                EXPECT_FALSE(same_pixels(icons[a], icons[b])) << "row " << row << ": columns " << a << ", " << b;
    }
    // A won secret must look different from a playable one.
    for (int column = 0; column < 11; ++column)
        EXPECT_FALSE(same_pixels(secret_icon(column, 1), secret_icon(column, 2))) << "column " << column;
}

TEST(ArtIconsSecretStrip, WonIconsAreGrey) {
    const Picture& strip = ui::form_clip().icosecret;
    ASSERT_EQ(strip.size(), QSize(286, 104));
    for (int y = 52; y < 78; ++y)
        for (int x = 0; x < 286; ++x) {
            const QRgb c = at(strip, x, y);
            const bool grey = std::abs(qRed(c) - qGreen(c)) <= 2 && std::abs(qGreen(c) - qBlue(c)) <= 2;
            ASSERT_TRUE(grey) << "pixel " << x << "," << y << " is " << std::hex << c;
        }
}

TEST(ArtIconsSecretStrip, QuestionBandLooksTheSameUnderEveryTwinkleFrame) {
    const Picture& strip = ui::form_clip().icosecret;
    ASSERT_EQ(strip.size(), QSize(286, 104));
    // The twinkle copies 24 x 24 from (frame, 78), frame 0, 6, ... 24: a band that repeats
    // every 24 pixels makes the marks scroll evenly with no seam at any frame.
    for (int y = 78; y < 102; ++y)
        for (int x = 0; x < 52; ++x)
            ASSERT_EQ(at(strip, x, y), at(strip, x + 24, y)) << "pixel " << x << "," << y;
    for (int frame = 0; frame <= 24; frame += 6)
        EXPECT_GE(colour_count(strip.copy(frame, 78, 24, 24)), 3) << "frame " << frame << " shows no mark";
}

}  // namespace
