// Tests of rectangle copies between surfaces: clipping, AND/OR masking, transparent layers.
#include <gtest/gtest.h>

#include "platform/colour.h"
#include "platform/surface.h"

namespace {

using platform::Colour;
using platform::RasterOp;
using platform::Surface;

// A source whose every pixel is different, so a misplaced copy cannot go unnoticed.
Surface numbered(int w, int h) {
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.set_pixel(x, y, platform::rgb(x * 7, y * 11, 100 + x + y));
    return s;
}

TEST(BlitClip, CopiesExactlyTheOverlapOfBothSurfaces) {
    struct Case {
        int dx, dy, w, h, sx, sy;
    };
    const Case cases[] = {
        {2, 3, 5, 4, 1, 1},      // wholly inside
        {-3, -2, 8, 6, 0, 0},    // target off the top left
        {4, 4, 8, 8, -5, -1},    // source off the top left
        {10, 9, 20, 20, 0, 0},   // past the target's far edges
        {0, 0, 30, 30, 6, 4},    // past the source's far edges
        {-2, 5, 6, 6, -3, 7},    // everything at once
        {-50, -50, 10, 10, 0, 0},  // nothing overlaps
        {0, 0, -4, 5, 0, 0},     // negative size
    };
    const Surface src = numbered(9, 8);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dx << "," << c.dy << " " << c.w << "x" << c.h << " from "
                                        << c.sx << "," << c.sy);
        Surface dst(12, 11, platform::kBlack);
        dst.blit(c.dx, c.dy, c.w, c.h, src, c.sx, c.sy);
        for (int y = 0; y < dst.height(); ++y)
            for (int x = 0; x < dst.width(); ++x) {
                const int u = x - c.dx, v = y - c.dy;
                const bool copied = u >= 0 && v >= 0 && u < c.w && v < c.h &&
                                    src.pixel(c.sx + u, c.sy + v) != -1;
                const Colour want = copied ? src.pixel(c.sx + u, c.sy + v) : platform::kBlack;
                ASSERT_EQ(dst.pixel(x, y), want) << x << "," << y;
            }
    }
}

TEST(BlitOps, AndAndOrWorkOnColourChannels) {
    Surface dst(4, 1);
    dst.set_pixel(0, 0, platform::rgb(0xF0, 0x0F, 0x3C));
    dst.set_pixel(1, 0, platform::rgb(0xF0, 0x0F, 0x3C));
    QImage src(2, 1, QImage::Format_ARGB32);
    src.setPixel(0, 0, 0x00FF00FFu);  // alpha 0 in the source must not leak through
    src.setPixel(1, 0, 0x000F0F0Fu);
    dst.blit(0, 0, 1, 1, src, 0, 0, RasterOp::And);
    dst.blit(1, 0, 1, 1, src, 1, 0, RasterOp::Paint);
    EXPECT_EQ(dst.pixel(0, 0), platform::rgb(0xF0, 0x00, 0x3C));
    EXPECT_EQ(dst.pixel(1, 0), platform::rgb(0xFF, 0x0F, 0x3F));
    EXPECT_EQ(qAlpha(dst.image().pixel(0, 0)), 255);
    EXPECT_EQ(qAlpha(dst.image().pixel(1, 0)), 255);
}

// A 3x3 sprite with a blue cross on black and its mask, black where the cross shows.
struct Sprite {
    Surface sprite{3, 3, platform::kBlack};
    Surface mask{3, 3, platform::kWhite};
    Sprite() {
        for (auto [x, y] : {std::pair{1, 0}, {0, 1}, {1, 1}, {2, 1}, {1, 2}}) {
            sprite.set_pixel(x, y, platform::rgb(0, 0, 255));
            mask.set_pixel(x, y, platform::kBlack);
        }
    }
    void draw(Surface& on, int x, int y) const {
        on.blit(x, y, 3, 3, mask, 0, 0, RasterOp::And);
        on.blit(x, y, 3, 3, sprite, 0, 0, RasterOp::Paint);
    }
};

TEST(BlitMask, SpriteCoversOnlyItsShape) {
    Surface back(6, 6, platform::rgb(0, 200, 0));
    back.clear();
    Sprite().draw(back, 2, -1);  // partly off the top
    EXPECT_EQ(back.pixel(3, 0), platform::rgb(0, 0, 255));
    EXPECT_EQ(back.pixel(2, 0), platform::rgb(0, 0, 255));
    EXPECT_EQ(back.pixel(3, 1), platform::rgb(0, 0, 255));
    EXPECT_EQ(back.pixel(2, 1), platform::rgb(0, 200, 0));  // mask white: background stays
    EXPECT_EQ(back.pixel(4, 1), platform::rgb(0, 200, 0));
}

TEST(BlitMask, TransparentLayerStaysClearOutsideTheShape) {
    Surface layer(5, 5, platform::kWhite, true);
    Sprite().draw(layer, 1, 1);
    EXPECT_EQ(layer.pixel(2, 2), platform::rgb(0, 0, 255));
    EXPECT_EQ(layer.pixel(1, 1), -1);
    EXPECT_EQ(layer.pixel(0, 0), -1);

    layer.blit(0, 0, 1, 1, Sprite().mask, 0, 0);  // a plain copy always lands
    EXPECT_EQ(layer.pixel(0, 0), platform::kWhite);
}

TEST(BlitSelf, OverlappingCopyWithinOneSurfaceReadsTheOldPixels) {
    Surface s = numbered(8, 3);
    const Surface before = s;
    s.blit(1, 0, 7, 3, s, 0, 0);
    s.blit(0, 1, 8, 2, s.image(), 0, 0);
    for (int x = 1; x < 8; ++x) {
        EXPECT_EQ(s.pixel(x, 0), before.pixel(x - 1, 0)) << x;
        EXPECT_EQ(s.pixel(x, 1), before.pixel(x - 1, 0)) << x;
    }
}

}  // namespace
