// Writing a repaint's pixels straight into the image a painter paints on, for the few cases
// where that is plain arithmetic: the painter would set up clips and blends for every
// rectangle of every widget, which cost an animation frame several times the pixels it moves.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRegion>
#include <cstdint>
#include <optional>

class QPainter;

namespace platform::direct {

// The image behind a painter and where the painter's (0, 0) lies in it, with the part of the
// image the painter may touch (a window's repaint may touch only the region being repainted).
struct Target {
    QImage* image = nullptr;
    QPoint offset;
    QRegion allowed;
};

// The target when writing there gives what the painter would: an unscaled, unclipped raster
// painter in source-over mode on a 32-bit image, plain or premultiplied (a window's repaint
// hands out one of those; the painter's arithmetic on their words is the same). Nothing when
// the painter must draw.
std::optional<Target> target_of(QPainter& p);

// Qt's byte multiply of the four channels of a pixel by a / 255, with the painter's rounding.
inline std::uint32_t byte_mul(std::uint32_t x, std::uint32_t a) {
    std::uint32_t rb = (x & 0xFF00FFu) * a;
    rb = ((rb + ((rb >> 8) & 0xFF00FFu) + 0x800080u) >> 8) & 0xFF00FFu;
    std::uint32_t ag = ((x >> 8) & 0xFF00FFu) * a;
    ag = (ag + ((ag >> 8) & 0xFF00FFu) + 0x800080u) & 0xFF00FF00u;
    return ag | rb;
}

// A premultiplied pixel over another, as the painter's source-over puts it.
inline std::uint32_t source_over(std::uint32_t s, std::uint32_t d) {
    const std::uint32_t a = s >> 24;
    if (a == 255) return s;
    if (a == 0) return d;
    return s + byte_mul(d, 255 - a);
}

}  // namespace platform::direct
