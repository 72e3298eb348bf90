// Tests of the drawing surface: pixels of dots, lines, boxes and arcs, state and recording.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/colour.h"
#include "platform/surface.h"

namespace {

using platform::Colour;
using platform::Primitive;
using platform::Surface;
using Pixels = std::set<std::pair<int, int>>;

constexpr double kPi = 3.14159265358979323846;
constexpr Colour kInk = platform::rgb(200, 30, 60);
constexpr Colour kSea = platform::rgb(20, 90, 210);

Pixels inked(const Surface& s, Colour c = kInk) {
    Pixels out;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.pixel(x, y) == c) out.insert({x, y});
    return out;
}

Pixels mirrored(const Pixels& p, double cx, double cy) {
    Pixels out;
    for (auto [x, y] : p) out.insert({static_cast<int>(2 * cx - x), static_cast<int>(2 * cy - y)});
    return out;
}

TEST(SurfaceColour, PaletteAndQtConversions) {
    EXPECT_EQ(platform::qb_colour(0), platform::rgb(0, 0, 0));
    EXPECT_EQ(platform::qb_colour(10), platform::rgb(0, 255, 0));
    EXPECT_EQ(platform::qb_colour(13), platform::rgb(255, 0, 255));
    EXPECT_EQ(platform::qb_colour(15), platform::rgb(255, 255, 255));
    EXPECT_EQ(platform::qb_colour(12), platform::rgb(255, 0, 0));
    EXPECT_EQ(platform::qb_colour(16), platform::kBlack);
    EXPECT_EQ(platform::qb_colour(-1), platform::kBlack);

    EXPECT_EQ(platform::to_qrgb(platform::rgb(0x12, 0x34, 0x56)), 0xFF123456u);
    EXPECT_EQ(platform::from_qrgb(0x80123456u), platform::rgb(0x12, 0x34, 0x56));
    EXPECT_EQ(platform::from_qrgb(platform::to_qrgb(kInk)), kInk);
}

TEST(SurfaceDot, WidthOneIsOnePixelAtTheRoundedPosition) {
    Surface s(20, 20);
    s.point(7.4, 3.6, kInk);
    EXPECT_EQ(inked(s), (Pixels{{7, 4}}));
}

TEST(SurfaceDot, WideDotsAreRoundSymmetricAndPenWide) {
    struct Case {
        int pen;
        std::size_t pixels;
    };
    for (Case c : {Case{2, 4}, Case{3, 9}, Case{4, 12}, Case{5, 21}, Case{6, 32}, Case{7, 37}}) {
        SCOPED_TRACE(c.pen);
        Surface s(30, 30);
        s.set_pen_width(c.pen);
        s.point(15, 15, kInk);
        const Pixels p = inked(s);
        EXPECT_EQ(p.size(), c.pixels);
        EXPECT_TRUE(p.count({15, 15}));
        int left = 99, right = -1;
        for (auto [x, y] : p) left = std::min(left, x), right = std::max(right, x);
        EXPECT_EQ(right - left + 1, c.pen);
        // Odd widths centre on the pixel, even ones on its top-left corner.
        const double centre = c.pen % 2 ? 15 : 14.5;
        EXPECT_EQ(mirrored(p, centre, centre), p);
        Pixels transposed;
        for (auto [x, y] : p) transposed.insert({y, x});
        EXPECT_EQ(transposed, p);
    }
    Surface s(30, 30);
    s.set_pen_width(5);
    s.point(15, 15, kInk);
    EXPECT_EQ(s.pixel(13, 13), platform::kWhite);  // corners cut off
    EXPECT_EQ(s.pixel(13, 14), kInk);
}

TEST(SurfaceLine, ThinLinesIncludeBothEndsOnePixelPerStep) {
    struct Case {
        int x1, y1, x2, y2;
    };
    for (Case c : {Case{2, 5, 17, 5}, Case{4, 1, 4, 18}, Case{1, 1, 15, 15}, Case{3, 2, 18, 9},
                   Case{5, 18, 9, 2}, Case{18, 3, 1, 17}, Case{7, 7, 7, 7}}) {
        SCOPED_TRACE(testing::Message() << c.x1 << "," << c.y1 << " - " << c.x2 << "," << c.y2);
        Surface forward(20, 20), backward(20, 20);
        forward.line(c.x1, c.y1, c.x2, c.y2, kInk);
        backward.line(c.x2, c.y2, c.x1, c.y1, kInk);
        const Pixels p = inked(forward);
        EXPECT_TRUE(p.count({c.x1, c.y1}));
        EXPECT_TRUE(p.count({c.x2, c.y2}));
        const int steps = std::max(std::abs(c.x2 - c.x1), std::abs(c.y2 - c.y1));
        EXPECT_EQ(p.size(), static_cast<std::size_t>(steps + 1));
        EXPECT_EQ(inked(backward), p);
        for (auto [x, y] : p) {  // every pixel within half a pixel of the true line
            const double dx = c.x2 - c.x1, dy = c.y2 - c.y1, len = std::hypot(dx, dy);
            if (len > 0) {
                EXPECT_LE(std::fabs((x - c.x1) * dy - (y - c.y1) * dx) / len, 0.75);
            }
        }
    }
}

TEST(SurfaceLine, WideLinesHaveRoundCapsAndMatchTheirEndDots) {
    Surface s(40, 30);
    s.set_pen_width(5);
    s.line(10, 10, 30, 10, kInk);
    for (int y = 8; y <= 12; ++y) EXPECT_EQ(s.pixel(20, y), kInk) << y;
    EXPECT_EQ(s.pixel(20, 7), platform::kWhite);
    EXPECT_EQ(s.pixel(8, 10), kInk);   // the cap reaches half the pen beyond the end
    EXPECT_EQ(s.pixel(7, 10), platform::kWhite);
    EXPECT_EQ(s.pixel(8, 8), platform::kWhite);  // and is rounded
    EXPECT_EQ(s.pixel(32, 10), kInk);

    for (int pen : {2, 3, 4, 6}) {
        SCOPED_TRACE(pen);
        Surface line(40, 40), reversed(40, 40), dots(40, 40);
        for (Surface* t : {&line, &reversed, &dots}) t->set_pen_width(pen);
        line.line(8, 30, 29, 12, kInk);
        reversed.line(29, 12, 8, 30, kInk);
        dots.point(8, 30, kInk);
        dots.point(29, 12, kInk);
        const Pixels p = inked(line);
        EXPECT_EQ(inked(reversed), p);
        for (auto px : inked(dots)) EXPECT_TRUE(p.count(px));
    }
}

TEST(SurfaceBox, OutlineAndFilledIncludeBothCorners) {
    Surface s(20, 20);
    s.box(12, 9, 3, 2, kInk, false);  // corners in either order
    Pixels p = inked(s);
    EXPECT_EQ(p.size(), 2u * 10 + 2u * 6);
    for (auto px : {std::pair{3, 2}, {12, 2}, {3, 9}, {12, 9}}) EXPECT_TRUE(p.count(px));
    EXPECT_FALSE(p.count({4, 3}));

    Surface f(20, 20);
    f.box(3, 2, 12, 9, kInk, true);
    p = inked(f);
    EXPECT_EQ(p.size(), 10u * 8);
    EXPECT_TRUE(p.count({12, 9}));

    Surface w(20, 20);
    w.set_pen_width(3);
    w.box(4, 4, 15, 12, kInk, false);
    EXPECT_EQ(w.pixel(3, 3), kInk);  // centred on the edge
    EXPECT_EQ(w.pixel(5, 8), kInk);
    EXPECT_EQ(w.pixel(6, 8), platform::kWhite);
    EXPECT_EQ(w.pixel(16, 13), kInk);
    EXPECT_EQ(w.pixel(17, 13), platform::kWhite);
}

TEST(SurfaceArc, QuarterArcRunsCounterClockwiseFromTheRight) {
    Surface s(40, 40);
    s.arc(20, 20, 10, kInk, 0, kPi / 2, 1);
    const Pixels p = inked(s);
    EXPECT_TRUE(p.count({30, 20}));
    EXPECT_TRUE(p.count({20, 10}));
    EXPECT_FALSE(p.count({20, 30}));
    EXPECT_FALSE(p.count({10, 20}));
    for (auto [x, y] : p) {
        EXPECT_GE(x, 20);
        EXPECT_LE(y, 20);
    }
}

TEST(SurfaceArc, AnglesWrapThroughZero) {
    Surface s(40, 40);
    s.arc(20, 20, 10, kInk, 3 * kPi / 2, kPi / 2, 1);
    EXPECT_EQ(s.pixel(30, 20), kInk);
    EXPECT_EQ(s.pixel(20, 10), kInk);
    EXPECT_EQ(s.pixel(20, 30), kInk);
    EXPECT_EQ(s.pixel(10, 20), platform::kWhite);
}

TEST(SurfaceArc, WholeCircleIsThinSymmetricAndOnTheRadius) {
    for (double end : {0.0, 2 * kPi}) {
        Surface s(40, 40);
        s.arc(20, 20, 12, kInk, 0, end, 1);
        const Pixels p = inked(s);
        for (auto px : {std::pair{32, 20}, {8, 20}, {20, 8}, {20, 32}}) EXPECT_TRUE(p.count(px));
        EXPECT_EQ(mirrored(p, 20, 20), p);
        for (auto [x, y] : p) EXPECT_NEAR(std::hypot(x - 20, y - 20), 12, 0.75);
        // Thin: no pixel has neighbours on both sides along both axes (no 2x2 blocks).
        for (auto [x, y] : p)
            EXPECT_FALSE(p.count({x + 1, y}) && p.count({x, y + 1}) && p.count({x + 1, y + 1}));
    }
}

TEST(SurfaceArc, AspectPicksWhichRadiusIsGiven) {
    struct Case {
        double aspect;
        int rx, ry;
    };
    for (Case c : {Case{2.0, 5, 10}, Case{0.5, 10, 5}, Case{1.0, 10, 10}}) {
        SCOPED_TRACE(c.aspect);
        Surface s(40, 40);
        s.circle(20, 20, 10, kInk, c.aspect);
        const Pixels p = inked(s);
        EXPECT_TRUE(p.count({20 + c.rx, 20}));
        EXPECT_TRUE(p.count({20 - c.rx, 20}));
        EXPECT_TRUE(p.count({20, 20 - c.ry}));
        EXPECT_TRUE(p.count({20, 20 + c.ry}));
        for (auto [x, y] : p) {
            EXPECT_LE(std::abs(x - 20), c.rx);
            EXPECT_LE(std::abs(y - 20), c.ry);
        }
    }
    Surface flat(40, 40);
    flat.circle(20, 20, 10, kInk, 0);
    Pixels row;
    for (int x = 10; x <= 30; ++x) row.insert({x, 20});
    EXPECT_EQ(inked(flat), row);
}

TEST(SurfaceArc, WidePenThickensAcrossTheCurve) {
    Surface s(40, 40);
    s.set_pen_width(3);
    s.circle(20, 20, 10, kInk);
    for (int x : {29, 30, 31}) EXPECT_EQ(s.pixel(x, 20), kInk) << x;
    EXPECT_EQ(s.pixel(28, 20), platform::kWhite);
    EXPECT_EQ(s.pixel(32, 20), platform::kWhite);
}

// A wide arc is the thin arc with a pen-wide dot on each of its pixels, wherever it meets the
// edges; small radii, where the outline turns on every pixel, included.
TEST(SurfaceArc, WidePenIsADotOnEveryPixelOfTheThinArc) {
    constexpr int kW = 36, kH = 30;
    const std::pair<double, double> spans[] = {{0, 0}, {0.3, 2.9}, {5.5, 1.0}, {2.0, 2.2}};
    for (int pen = 2; pen <= 9; ++pen) {
        const int margin = pen / 2 + 2;  // as far out as a dot that reaches the surface lies
        for (int radius : {1, 2, 3, 5, 8, 13, 21}) {
            for (double aspect : {1.0, 0.4, 2.5}) {
                for (auto [start, end] : spans) {
                    for (auto [cx, cy] : {std::pair{17, 14}, {3, 27}}) {
                        Surface wide(kW, kH);
                        wide.set_pen_width(pen);
                        wide.arc(cx, cy, radius, kInk, start, end, aspect);
                        // The thin arc on a larger surface, so that the dots of pixels just
                        // off the edges are counted too.
                        Surface thin(kW + 2 * margin, kH + 2 * margin);
                        thin.arc(cx + margin, cy + margin, radius, kInk, start, end, aspect);
                        Surface dots(kW, kH);
                        dots.set_pen_width(pen);
                        for (auto [x, y] : inked(thin)) dots.point(x - margin, y - margin, kInk);
                        ASSERT_EQ(inked(wide), inked(dots))
                            << "pen " << pen << " radius " << radius << " aspect " << aspect
                            << " from " << start << " to " << end << " at " << cx << "," << cy;
                    }
                }
            }
        }
    }
}

TEST(SurfaceState, EachDrawingLeavesItsCurrentPoint) {
    Surface s(50, 50);
    s.point(3, 4, kInk);
    EXPECT_EQ(std::pair(s.current_x(), s.current_y()), std::pair(3.0, 4.0));
    s.point_relative(2, 1, kInk);
    EXPECT_EQ(std::pair(s.current_x(), s.current_y()), std::pair(5.0, 5.0));
    EXPECT_EQ(s.pixel(5, 5), kInk);
    s.line_to(20, 5, kInk);
    EXPECT_EQ(s.pixel(12, 5), kInk);  // from the previous point
    EXPECT_EQ(std::pair(s.current_x(), s.current_y()), std::pair(20.0, 5.0));
    s.line(1, 2, 30, 31, kInk);
    EXPECT_EQ(std::pair(s.current_x(), s.current_y()), std::pair(30.0, 31.0));
    s.box(10, 11, 40, 41, kInk, true);
    EXPECT_EQ(std::pair(s.current_x(), s.current_y()), std::pair(40.0, 41.0));
    s.arc(25, 26, 5, kInk, 0, 1, 1);
    EXPECT_EQ(std::pair(s.current_x(), s.current_y()), std::pair(25.0, 26.0));
    s.clear();
    EXPECT_EQ(std::pair(s.current_x(), s.current_y()), std::pair(0.0, 0.0));
    EXPECT_TRUE(inked(s).empty());
}

TEST(SurfaceState, PixelsOutsideReadMinusOne) {
    Surface s(10, 8, platform::kBlack);
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {10, 0}, {0, 8}, {1 << 30, 3}})
        EXPECT_EQ(s.pixel(x, y), -1) << x << "," << y;
    EXPECT_EQ(s.pixel(9, 7), platform::kBlack);
    Surface empty;
    EXPECT_EQ(empty.pixel(0, 0), -1);
    empty.line(0, 0, 10, 10, kInk);  // nothing to draw on, nothing to break
}

TEST(SurfaceState, TransparentSurfaceReadsMinusOneUntilDrawn) {
    Surface s(10, 10, platform::kWhite, true);
    EXPECT_EQ(s.pixel(4, 4), -1);
    s.set_pen_width(3);
    s.point(4, 4, platform::kBlack);
    EXPECT_EQ(s.pixel(5, 5), platform::kBlack);
    EXPECT_EQ(s.pixel(7, 7), -1);
    EXPECT_EQ(qAlpha(s.image().pixel(5, 5)), 255);
    s.clear();
    EXPECT_EQ(s.pixel(5, 5), -1);
}

TEST(SurfaceState, FarAndBrokenCoordinatesAreSafe) {
    Surface s(30, 20);
    s.line(-1e12, 5, 1e12, 5, kInk);
    for (int x = 0; x < 30; ++x) EXPECT_EQ(s.pixel(x, 5), kInk) << x;
    s.line(-2e12, 2 - 1e12, 2e12, 2 + 1e12, kInk);  // far ends keep the slope
    for (int x : {0, 10, 20}) EXPECT_EQ(s.pixel(x, 2 + x / 2), kInk) << x;
    s.set_pen_width(4);
    s.line(-1e12, -1e12, 1e12, 1e12, kInk);
    s.arc(15, 1e7 + 10, 1e7, kInk, 0, 0, 1);  // huge circle whose top crosses the surface
    EXPECT_EQ(s.pixel(15, 10), kInk);
    s.arc(15, 10, 1e300, kInk, 0, 0, 1e-300);
    const double nan = std::nan("");
    s.point(nan, 3, kInk);
    s.line(0, 0, nan, 4, kInk);
    s.arc(10, 10, 5, kInk, nan, 0, 1);
    s.box(nan, 0, 5, 5, kInk, true);
    EXPECT_EQ(s.current_x(), 15);  // left where the last good drawing put it
    s.set_pen_width(1 << 30);
    s.point(5, 5, kInk);
    EXPECT_EQ(s.pixel(29, 19), kInk);
    s.set_pen_width(-3);
    EXPECT_EQ(s.pen_width(), 1);
}

TEST(SurfaceState, ResizeCopyAndPictures) {
    Surface s(10, 10, platform::kBlack);
    s.point(2, 3, kInk);
    s.resize(15, 5);
    EXPECT_EQ(s.width(), 15);
    EXPECT_EQ(s.height(), 5);
    EXPECT_EQ(s.pixel(2, 3), kInk);
    EXPECT_EQ(s.pixel(14, 4), platform::kBlack);

    Surface copy = s;
    copy.point(0, 0, kInk);
    EXPECT_EQ(s.pixel(0, 0), platform::kBlack);
    EXPECT_EQ(copy.pixel(2, 3), kInk);

    s.set_back_colour(platform::kYellow);
    s.draw_picture(platform::make_picture(4, 4, kInk), 3, 1);
    EXPECT_EQ(s.width(), 15);
    EXPECT_EQ(s.pixel(3, 1), kInk);
    EXPECT_EQ(s.pixel(6, 4), kInk);
    EXPECT_EQ(s.pixel(2, 3), platform::kYellow);  // what was drawn before is gone
    EXPECT_EQ(s.pixel(7, 1), platform::kYellow);

    s.assign(platform::make_picture(6, 7, kInk));
    EXPECT_EQ(s.width(), 6);
    EXPECT_EQ(s.height(), 7);
    EXPECT_EQ(s.pixel(5, 6), kInk);
    EXPECT_EQ(s.image().format(), QImage::Format_RGB32);
}

// A surface that has never been drawn on keeps no pixels; it must read, grow, shrink and copy
// exactly as one that has them, whatever its back colour did meanwhile.
TEST(SurfaceState, ANeverDrawnSurfaceBehavesAsADrawnOne) {
    using platform::Picture;
    const std::vector<std::function<void(Surface&)>> steps = {
        [](Surface& s) { s.set_back_colour(platform::kYellow); },
        [](Surface& s) { s.resize(9, 7); },  // the old part stays black, the new part is yellow
        [](Surface& s) { s.resize(4, 3); },
        [](Surface& s) { s.resize(0, 3); },
        [](Surface& s) { s.resize(5, 6); },  // nothing was left: all the back colour now
        [](Surface& s) { s.set_back_colour(kSea); },
        [](Surface& s) { s.clear(); },
        [](Surface& s) { s.resize(8, 8); },
    };
    for (const bool transparent : {false, true}) {
        SCOPED_TRACE(transparent ? "see-through" : "opaque");
        Surface never(6, 4, platform::kBlack, transparent);
        Surface drawn(6, 4, platform::kBlack, transparent);
        ASSERT_FALSE(drawn.image().isNull());  // asking for the image gives it its pixels
        for (std::size_t i = 0; i < steps.size(); ++i) {
            SCOPED_TRACE("step " + std::to_string(i));
            steps[i](never);
            steps[i](drawn);
            ASSERT_EQ(never.width(), drawn.width());
            ASSERT_EQ(never.height(), drawn.height());
            for (int y = -1; y <= drawn.height(); ++y)
                for (int x = -1; x <= drawn.width(); ++x)
                    ASSERT_EQ(never.pixel(x, y), drawn.pixel(x, y)) << x << "," << y;
        }
        Surface target(8, 8, platform::kWhite);
        target.blit(0, 0, 8, 8, never, 0, 0, platform::RasterOp::And);
        EXPECT_EQ(target.pixel(7, 7), transparent ? platform::kBlack : kSea);
        EXPECT_EQ(never.image(), drawn.image());
        never.point(1, 1, kInk);
        EXPECT_EQ(never.pixel(1, 1), kInk);
        EXPECT_EQ(never.pixel(2, 2), transparent ? -1 : kSea);
    }
}

TEST(SurfaceRecorder, RecordsOnePrimitivePerCall) {
    Surface s(20, 20);
    std::vector<Primitive> rec;
    s.set_recorder(&rec);
    s.set_pen_width(3);
    s.point(1, 2, kInk);
    s.line_to(5, 6, kInk);
    s.box(1, 1, 4, 4, kInk, true);
    s.circle(10, 11, 4, kInk, 0.5);
    s.clear();
    s.set_recorder(nullptr);
    s.point(3, 3, kInk);

    ASSERT_EQ(rec.size(), 5u);
    EXPECT_EQ(rec[0].kind, Primitive::Kind::Point);
    EXPECT_EQ(rec[0].pen, 3);
    EXPECT_EQ(rec[0].colour, kInk);
    EXPECT_EQ(rec[1].kind, Primitive::Kind::Line);
    EXPECT_EQ(std::pair(rec[1].x1, rec[1].y1), std::pair(1.0, 2.0));  // from the current point
    EXPECT_EQ(std::pair(rec[1].x2, rec[1].y2), std::pair(5.0, 6.0));
    EXPECT_EQ(rec[2].kind, Primitive::Kind::FilledBox);
    EXPECT_EQ(rec[3].kind, Primitive::Kind::Arc);
    EXPECT_EQ(std::pair(rec[3].x1, rec[3].y1), std::pair(10.0, 11.0));
    EXPECT_EQ(rec[3].radius, 4);
    EXPECT_EQ(rec[3].start, rec[3].end);
    EXPECT_EQ(rec[3].aspect, 0.5);
    EXPECT_EQ(rec[4].kind, Primitive::Kind::Clear);
}

}  // namespace
