// Tests of the canvas's two layers: where drawing goes, what drops it, what reads and copies see.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <array>
#include <climits>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/picture_box.h"

namespace {

using platform::Canvas;
using platform::Colour;
using platform::RasterOp;
using platform::rgb;

constexpr Colour kRed = rgb(255, 0, 0);
constexpr Colour kGreen = rgb(0, 255, 0);
constexpr Colour kBlue = rgb(0, 0, 255);
constexpr Colour kGrey = rgb(0xC0, 0xC0, 0xC0);

// A mask and a sprite of w x h, black in the mask and coloured in the sprite where each pixel
// is drawn.
std::pair<platform::Picture, platform::Picture> mask_and_sprite(
    int w, int h, const std::vector<std::pair<std::pair<int, int>, Colour>>& drawn) {
    platform::Picture mask = platform::make_picture(w, h, platform::kWhite);
    platform::Picture sprite = platform::make_picture(w, h, platform::kBlack);
    for (const auto& [at, colour] : drawn) {
        mask.setPixel(at.first, at.second, 0xFF000000u);
        sprite.setPixel(at.first, at.second, platform::to_qrgb(colour));
    }
    return {mask, sprite};
}

TEST(CanvasLayers, DrawingWithPersistenceOffGoesToTheTransientLayerAndIsReadBack) {
    Canvas c(10, 10, kGrey);
    ASSERT_FALSE(c.auto_redraw());
    c.draw().set_pixel(3, 4, kRed);
    EXPECT_EQ(c.pixel(3, 4), kRed);
    EXPECT_EQ(c.image_layer().pixel(3, 4), kGrey);
    EXPECT_EQ(c.transient_layer().pixel(3, 4), kRed);
    EXPECT_EQ(c.transient_layer().pixel(5, 5), -1);
    const platform::Picture snap = c.snapshot();
    EXPECT_EQ(platform::from_qrgb(snap.pixel(3, 4)), kRed);
    EXPECT_EQ(platform::from_qrgb(snap.pixel(5, 5)), kGrey);
    EXPECT_EQ(c.pixel(-1, 0), -1);
    EXPECT_EQ(c.pixel(10, 0), -1);
}

TEST(CanvasLayers, DrawingWithPersistenceOnGoesToTheImageAndSurvivesSwitchingOff) {
    Canvas c(10, 10, kGrey);
    c.set_auto_redraw(true);
    c.draw().set_pixel(1, 1, kBlue);
    EXPECT_EQ(c.image_layer().pixel(1, 1), kBlue);
    c.set_auto_redraw(false);
    c.draw().set_pixel(2, 2, kRed);
    EXPECT_EQ(c.pixel(1, 1), kBlue);
    EXPECT_EQ(c.pixel(2, 2), kRed);
}

TEST(CanvasLayers, TransientLayerIsDroppedByEveryRuleThatDropsIt) {
    const struct {
        const char* what;
        std::function<void(Canvas&)> act;
    } cases[] = {
        {"clear", [](Canvas& c) { c.clear(); }},
        {"set_picture", [](Canvas& c) { c.set_picture(platform::Picture()); }},
        {"resize", [](Canvas& c) { c.resize_canvas(12, 9); }},
        {"auto_redraw on", [](Canvas& c) { c.set_auto_redraw(true); }},
    };
    for (const auto& k : cases) {
        Canvas c(10, 10, kGrey);
        c.set_auto_redraw(true);
        c.draw().set_pixel(7, 7, kBlue);  // persistent: kept by all but clear and set_picture
        c.set_auto_redraw(false);
        c.draw().set_pixel(3, 3, kRed);
        k.act(c);
        EXPECT_EQ(c.pixel(3, 3), kGrey) << k.what;
        EXPECT_EQ(c.transient_layer().pixel(3, 3), -1) << k.what;
        const bool keeps_image = std::string(k.what) == "resize" || std::string(k.what) == "auto_redraw on";
        EXPECT_EQ(c.pixel(7, 7), keeps_image ? kBlue : kGrey) << k.what;
    }
}

// The transient layer is only given pixels when first drawn on; whenever that happens, it
// must cover the canvas as it is then, grown or shrunk.
TEST(CanvasLayers, TransientLayerCoversTheCanvasAtItsSizeWhenDrawnOn) {
    platform::Picture red(2, 2, QImage::Format_RGB32);
    red.fill(platform::to_qrgb(kRed));
    for (const bool drawn_before : {false, true}) {
        for (const auto& [w, h] : {std::pair{20, 15}, std::pair{6, 5}}) {
            SCOPED_TRACE(std::to_string(w) + (drawn_before ? " drawn before" : " fresh"));
            Canvas c(10, 10, kGrey);
            if (drawn_before) c.draw().set_pixel(1, 1, kBlue);
            c.resize_canvas(w, h);
            c.draw().set_pixel(w - 1, h - 1, kRed);
            c.blit(w - 4, h - 2, 2, 2, red, 0, 0);
            EXPECT_EQ(c.transient_layer().width(), w);
            EXPECT_EQ(c.transient_layer().height(), h);
            EXPECT_EQ(c.pixel(w - 1, h - 1), kRed);
            EXPECT_EQ(c.pixel(w - 3, h - 1), kRed);
            EXPECT_EQ(c.pixel(1, 1), kGrey);  // resizing dropped what was drawn before
        }
    }
}

TEST(CanvasLayers, ClearKeepsTheAssignedPictureUnderneath) {
    Canvas c(10, 10, kGrey);
    c.set_picture(platform::make_picture(4, 4, kGreen));
    c.set_auto_redraw(true);
    c.draw().set_pixel(1, 1, kRed);
    c.draw().set_pixel(8, 8, kRed);
    c.clear();
    EXPECT_EQ(c.pixel(1, 1), kGreen);
    EXPECT_EQ(c.pixel(8, 8), kGrey);
    EXPECT_EQ(c.image_layer().current_x(), 0);
}

TEST(CanvasLayers, GrowingUncoversMoreOfTheAssignedPicture) {
    Canvas c(5, 5, kGrey);
    c.set_picture(platform::make_picture(8, 8, kGreen));
    c.set_auto_redraw(true);
    c.draw().set_pixel(4, 4, kRed);
    c.resize_canvas(10, 10);
    EXPECT_EQ(c.pixel(4, 4), kRed);
    EXPECT_EQ(c.pixel(6, 2), kGreen);
    EXPECT_EQ(c.pixel(2, 6), kGreen);
    EXPECT_EQ(c.pixel(9, 9), kGrey);
}

TEST(CanvasLayers, BackColourChangeWipesTheDrawing) {
    Canvas c(6, 6, kGrey);
    c.set_auto_redraw(true);
    c.draw().set_pixel(2, 2, kRed);
    c.set_back_colour(kBlue);
    EXPECT_EQ(c.pixel(2, 2), kBlue);
}

TEST(CanvasLayers, PenAndCurrentPointCarryOverWhenTheLayerChanges) {
    Canvas c(20, 20, kGrey);
    c.draw().set_pen_width(3);
    c.draw().set_current(5, 6);
    c.set_auto_redraw(true);
    EXPECT_EQ(c.draw().pen_width(), 3);
    EXPECT_EQ(c.draw().current_x(), 5);
    EXPECT_EQ(c.draw().current_y(), 6);
}

TEST(CanvasLayers, EveryDrawingCallAsksForARepaint) {
    Canvas c(4, 4, kGrey);
    int repaints = 0;
    c.on_changed = [&] { ++repaints; };
    c.draw().set_pixel(0, 0, kRed);
    c.clear();
    EXPECT_EQ(repaints, 2);
}

TEST(CanvasBlit, CopyFromABoxSeesBothLayers) {
    Canvas src(8, 8, kGrey);
    src.set_auto_redraw(true);
    src.draw().set_pixel(1, 1, kBlue);
    src.set_auto_redraw(false);
    src.draw().set_pixel(2, 2, kRed);

    Canvas dst(8, 8, platform::kBlack);
    dst.set_auto_redraw(true);
    dst.blit(0, 0, 8, 8, src, 0, 0);
    EXPECT_EQ(dst.image_layer().pixel(1, 1), kBlue);
    EXPECT_EQ(dst.image_layer().pixel(2, 2), kRed);
    EXPECT_EQ(dst.image_layer().pixel(5, 5), kGrey);
}

TEST(CanvasBlit, CopyWithinOneCanvasReadsTheOldPixels) {
    Canvas c(8, 1, kGrey);
    c.set_auto_redraw(true);
    for (int x = 0; x < 4; ++x) c.draw().set_pixel(x, 0, rgb(x * 10, 0, 0));
    c.blit(1, 0, 4, 1, c, 0, 0);
    for (int x = 0; x < 4; ++x) EXPECT_EQ(c.pixel(x + 1, 0), rgb(x * 10, 0, 0)) << x;
}

TEST(CanvasBlit, MaskAndSpriteIntoTheTransientLayerCombineWithWhatIsShown) {
    Canvas c(6, 1, kGreen);  // the image shows green everywhere
    // Mask: black where the sprite goes (x 1..2), white elsewhere.
    auto [mask, sprite] = mask_and_sprite(6, 1, {{{1, 0}, kRed}, {{2, 0}, kBlue}});
    sprite.setPixel(4, 0, platform::to_qrgb(kRed));  // outside the mask: ORs onto green

    c.blit(0, 0, 6, 1, mask, 0, 0, RasterOp::And);
    EXPECT_EQ(c.pixel(1, 0), platform::kBlack);
    EXPECT_EQ(c.pixel(0, 0), kGreen);
    EXPECT_EQ(c.transient_layer().pixel(0, 0), -1);  // untouched pixels stay see-through
    c.blit(0, 0, 6, 1, sprite, 0, 0, RasterOp::Paint);
    EXPECT_EQ(c.pixel(1, 0), kRed);
    EXPECT_EQ(c.pixel(2, 0), kBlue);
    EXPECT_EQ(c.pixel(4, 0), rgb(255, 255, 0));
    EXPECT_EQ(c.transient_layer().pixel(3, 0), -1);
    EXPECT_EQ(c.image_layer().pixel(1, 0), kGreen);  // the image itself is untouched
}

TEST(CanvasBlit, PositionsPartlyOrFarOutsideAreClipped) {
    Canvas c(4, 4, kGrey);
    c.set_auto_redraw(true);
    const platform::Picture red = platform::make_picture(4, 4, kRed);
    c.blit(-2, -2, 4, 4, red, 0, 0);
    EXPECT_EQ(c.pixel(1, 1), kRed);
    EXPECT_EQ(c.pixel(2, 2), kGrey);
    c.blit(INT_MIN, INT_MAX, 4, 4, red, 0, 0);
    c.blit(0, 0, INT_MAX, INT_MAX, red, INT_MIN, INT_MIN);
    c.blit(0, 0, -3, 4, red, 0, 0);
    c.blit(0, 0, 4, 4, platform::Picture(), 0, 0);
    EXPECT_EQ(c.pixel(3, 3), kGrey);
}

// An animation repaints only what it changed: a copy its clipped rectangle, a masked sprite
// the pixels it actually changes, a sprite that changes nothing nothing at all. Drawing with
// the pen still repaints the whole canvas, since where it draws is not known.
TEST(CanvasRepaint, CopiesAndSpritesAskForTheAreaTheyChanged) {
    Canvas c(20, 10, kGreen);
    std::vector<std::array<int, 4>> areas;
    int wholes = 0;
    c.on_changed = [&] { ++wholes; };
    c.on_area_changed = [&](int x, int y, int w, int h) { areas.push_back({x, y, w, h}); };

    const platform::Picture red = platform::make_picture(8, 8, kRed);
    c.blit(15, -2, 8, 8, red, 0, 0);  // clipped to (15, 0) .. (19, 5)
    c.set_auto_redraw(true);
    c.blit(2, 3, 2, 2, red, 5, 5);
    c.set_auto_redraw(false);
    wholes = 0;

    // A 6 x 3 mask and sprite whose shape covers only (2, 1) and (3, 2) of themselves.
    const auto [mask, sprite] = mask_and_sprite(6, 3, {{{2, 1}, kBlue}, {{3, 2}, kBlue}});
    c.blit(10, 4, 6, 3, mask, 0, 0, RasterOp::And);
    c.blit(10, 4, 6, 3, sprite, 0, 0, RasterOp::Paint);
    c.blit(10, 4, 6, 3, sprite, 0, 0, RasterOp::Paint);  // the same again changes nothing
    const std::vector<std::array<int, 4>> expected = {
        {15, 0, 5, 6}, {2, 3, 2, 2}, {12, 5, 2, 2}, {12, 5, 2, 2}};
    EXPECT_EQ(areas, expected);
    EXPECT_EQ(wholes, 0);

    c.draw().set_pixel(0, 0, kRed);
    EXPECT_EQ(wholes, 1);
    EXPECT_EQ(areas.size(), expected.size());
}

// Repainting a region shows the image with the transient layer over it there, at the painter's
// offset, and leaves every pixel outside the region as it was. A window's repaint writes the
// layers straight into its image; that must give what the painter gives, with every kind of
// drawing the transient layer takes counted in.
TEST(CanvasRepaint, ARegionIsPaintedWithBothLayersAndNothingBeyondIt) {
    const auto [mask, sprite] = mask_and_sprite(6, 6, {{{2, 3}, rgb(255, 0, 255)}});
    const std::vector<std::pair<const char*, std::function<void(Canvas&)>>> layers = {
        {"sprite and copy", [&](Canvas& c) {
             c.blit(30, 20, 6, 6, sprite, 0, 0, RasterOp::Paint);
             c.blit(3, 4, 5, 5, sprite, 0, 0);
         }},
        {"drawing", [](Canvas& c) { c.draw().line(10, 25, 20, 2, kRed); }},
    };
    const QRegion region = QRegion(0, 0, 17, 12) + QRegion(25, 15, 15, 15) + QRegion(12, 22, 6, 8);
    constexpr QRgb kUntouched = 0xFF204060u;
    for (const auto& [what, draw_layer] : layers) {
        Canvas c(40, 30, kGrey);
        c.set_auto_redraw(true);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x) c.draw().set_pixel(x, y, rgb(x * 6, y * 8, (x * y) % 256));
        c.set_auto_redraw(false);
        draw_layer(c);
        const QImage whole = c.snapshot();
        for (const auto format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
            const QPoint offset = format == QImage::Format_RGB32 ? QPoint(0, 0) : QPoint(7, 9);
            auto paint = [&](bool through_painter) {
                QImage target(60, 50, format);
                target.fill(kUntouched);
                QPainter p(&target);
                p.translate(offset);
                if (through_painter) p.setClipRect(QRect(-offset, target.size()));  // a clip keeps the painter's way
                c.paint_layers(p, region);
                return target;
            };
            const QImage direct = paint(false);
            EXPECT_EQ(direct, paint(true)) << what;
            for (int y = 0; y < 50; ++y) {
                for (int x = 0; x < 60; ++x) {
                    const QPoint at = QPoint(x, y) - offset;
                    const QRgb want = region.contains(at) ? whole.pixel(at) | 0xFF000000u : kUntouched;
                    ASSERT_EQ(direct.pixel(x, y), want) << what << " " << x << "," << y;
                }
            }
        }
    }
}

}  // namespace
