// Turns the SVG sources of the built-in pictures into pictures of exact sizes, with masks.
#include "ui/art.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace ui::art {

namespace {

constexpr QRgb kOutline = qRgb(0x2B, 0x1B, 0x3D);

QImage render_argb(const std::string& name, int w, int h, bool smooth) {
    if (!exists(name)) return QImage();
    QSvgRenderer renderer(QString::fromStdString(resource(name)));
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

}  // namespace

std::string resource(const std::string& name) { return ":/art/" + name + ".svg"; }

bool exists(const std::string& name) { return QFile::exists(QString::fromStdString(resource(name))); }

platform::Picture render(const std::string& name, int w, int h, bool smooth) {
    const QImage argb = render_argb(name, w, h, smooth);
    if (argb.isNull()) return platform::Picture();
    platform::Picture out = platform::make_picture(w, h, platform::kBlack);
    QPainter p(&out);
    p.drawImage(0, 0, argb);
    p.end();
    if (!smooth) {
        // Hard edges: a pixel takes the drawing's colour or stays black, never a blend.
        for (int y = 0; y < h; ++y) {
            const QRgb* src = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
            QRgb* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
            for (int x = 0; x < w; ++x) {
                const int a = qAlpha(src[x]);
                if (a >= 128) {
                    // Undo the premultiplied blend so the colour comes back exactly.
                    dst[x] = qRgb(qRed(src[x]), qGreen(src[x]), qBlue(src[x]));
                } else {
                    dst[x] = qRgb(0, 0, 0);
                }
            }
        }
    }
    return out;
}

Sprite render_sprite(const std::string& name, int w, int h) {
    const QImage argb = render_argb(name, w, h, true);
    if (argb.isNull()) return {};
    Sprite s{platform::make_picture(w, h, platform::kBlack), platform::make_picture(w, h, platform::kWhite)};
    for (int y = 0; y < h; ++y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        QRgb* sprite = reinterpret_cast<QRgb*>(s.sprite.scanLine(y));
        QRgb* mask = reinterpret_cast<QRgb*>(s.mask.scanLine(y));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(src[x]) < 128) continue;
            QRgb c = qRgb(qRed(src[x]), qGreen(src[x]), qBlue(src[x]));
            if ((c & 0xFFFFFF) == 0) c = kOutline;
            sprite[x] = c;
            mask[x] = qRgb(0, 0, 0);
        }
    }
    return s;
}

}  // namespace ui::art
