// How an SVG source becomes a picture of exact size: shared by the game and by the build step
// that renders the built-in pictures ahead of time, so that both make the very same pixels.
#pragma once

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <utility>

namespace ui::art::rendering {

inline constexpr QRgb kOutline = 0xFF2B1B3D;

// The drawing alone, on transparency, non-premultiplied.
inline QImage render_argb(QSvgRenderer& renderer, int w, int h, bool smooth) {
    if (!renderer.isValid() || w <= 0 || h <= 0) return QImage();
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, smooth);
    p.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    p.setRenderHint(QPainter::TextAntialiasing, smooth);
    renderer.render(&p, QRectF(0, 0, w, h));
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

// The drawing over black as an opaque picture. Hard edges: a pixel takes the drawing's colour
// or stays black, never a blend.
inline QImage over_black(const QImage& argb, bool smooth) {
    if (argb.isNull()) return QImage();
    const int w = argb.width(), h = argb.height();
    QImage out(w, h, QImage::Format_RGB32);
    out.fill(qRgb(0, 0, 0));
    QPainter p(&out);
    p.drawImage(0, 0, argb);
    p.end();
    if (smooth) return out;
    for (int y = 0; y < h; ++y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        QRgb* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            // Undo the premultiplied blend so the colour comes back exactly.
            dst[x] = qAlpha(src[x]) >= 128 ? qRgb(qRed(src[x]), qGreen(src[x]), qBlue(src[x])) : qRgb(0, 0, 0);
        }
    }
    return out;
}

// A sprite on pure black and its mask (black where the sprite shows, white elsewhere). A pixel
// shows when the drawing covers at least half of it; a shown pixel that would be pure black is
// nudged to the outline colour so that it cannot vanish into the background.
inline std::pair<QImage, QImage> sprite_and_mask(const QImage& argb) {
    if (argb.isNull()) return {};
    const int w = argb.width(), h = argb.height();
    QImage sprite(w, h, QImage::Format_RGB32);
    QImage mask(w, h, QImage::Format_RGB32);
    sprite.fill(qRgb(0, 0, 0));
    mask.fill(qRgb(255, 255, 255));
    for (int y = 0; y < h; ++y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        QRgb* s = reinterpret_cast<QRgb*>(sprite.scanLine(y));
        QRgb* m = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(src[x]) < 128) continue;
            QRgb c = qRgb(qRed(src[x]), qGreen(src[x]), qBlue(src[x]));
            if ((c & 0xFFFFFF) == 0) c = kOutline;
            s[x] = c;
            m[x] = qRgb(0, 0, 0);
        }
    }
    return {sprite, mask};
}

}  // namespace ui::art::rendering
