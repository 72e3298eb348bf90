// Writing a repaint's pixels straight into the painter's image.
#include "platform/direct_paint.h"

#include <QPaintEngine>
#include <QPainter>
#include <QTransform>

namespace platform::direct {

std::optional<Target> target_of(QPainter& p) {
    QPaintEngine* engine = p.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || p.hasClipping() || p.opacity() != 1.0 ||
        p.compositionMode() != QPainter::CompositionMode_SourceOver)
        return std::nullopt;
    QPaintDevice* device = engine->paintDevice();
    if (!device || device->devType() != QInternal::Image) return std::nullopt;
    auto* image = static_cast<QImage*>(device);
    const QImage::Format format = image->format();
    if ((format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied) ||
        image->devicePixelRatio() != 1.0 || !image->isDetached())
        return std::nullopt;
    const QTransform& t = p.deviceTransform();
    if (t.type() > QTransform::TxTranslate || t.dx() != static_cast<int>(t.dx()) ||
        t.dy() != static_cast<int>(t.dy()))
        return std::nullopt;
    Target out;
    out.image = image;
    out.offset = QPoint(static_cast<int>(t.dx()), static_cast<int>(t.dy()));
    const QRegion clip = engine->systemClip();
    out.allowed = clip.isEmpty() ? QRegion(image->rect()) : clip & image->rect();
    return out;
}

}  // namespace platform::direct
