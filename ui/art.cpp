// Turns the SVG sources of the built-in pictures into pictures of exact sizes, with masks.
#include "ui/art.h"

#include <QFile>
#include <QSvgRenderer>
#include <atomic>
#include <cstring>

#include "ui/art_catalogue.h"
#include "ui/art_render.h"

// The pictures the build rendered, linked into the program.
extern "C" const unsigned char quorvel_baked_art[];
extern "C" const unsigned char quorvel_baked_art_end[];

namespace ui::art {

namespace {

std::atomic<int> g_direct_renders{0};

QImage render_argb(const std::string& name, int w, int h, bool smooth) {
    if (!exists(name)) return QImage();
    ++g_direct_renders;
    QSvgRenderer renderer(QString::fromStdString(resource(name)));
    return rendering::render_argb(renderer, w, h, smooth);
}

// The build's rendering of a picture as a picture over the linked pixels (no copy is made until
// someone draws on it), or an empty one when the build has none of that name, size and kind.
// A record that does not fit the data is ignored rather than trusted.
std::pair<QImage, QImage> baked(const std::string& name, int w, int h, ArtKind kind) {
    const unsigned char* base = quorvel_baked_art;
    const auto size = static_cast<std::uint64_t>(quorvel_baked_art_end - quorvel_baked_art);
    BakedHeader header{};
    if (size < sizeof header) return {};
    std::memcpy(&header, base, sizeof header);
    if (std::memcmp(header.magic, kBakedMagic, sizeof header.magic) != 0) return {};
    if (header.count > (size - sizeof header) / sizeof(BakedRecord)) return {};
    for (std::uint32_t i = 0; i < header.count; ++i) {
        BakedRecord r{};
        std::memcpy(&r, base + sizeof header + i * sizeof r, sizeof r);
        r.name[sizeof r.name - 1] = '\0';
        if (name != r.name || r.w != static_cast<std::uint32_t>(w) || r.h != static_cast<std::uint32_t>(h) ||
            r.kind != static_cast<std::uint32_t>(kind)) {
            continue;
        }
        const std::uint64_t image_bytes = (std::uint64_t{r.w} * r.h * 4 + 63) / 64 * 64;
        const std::uint32_t wanted = kind == ArtKind::kSprite ? 2 : 1;
        if (r.images != wanted || r.offset % 64 != 0 || r.offset > size || (size - r.offset) / image_bytes < wanted) {
            return {};
        }
        auto wrap = [&](std::uint64_t at) { return QImage(base + at, w, h, w * 4, QImage::Format_RGB32); };
        if (kind == ArtKind::kSprite) return {wrap(r.offset), wrap(r.offset + image_bytes)};
        return {wrap(r.offset), QImage()};
    }
    return {};
}

}  // namespace

std::string resource(const std::string& name) { return ":/art/" + name + ".svg"; }

bool exists(const std::string& name) { return QFile::exists(QString::fromStdString(resource(name))); }

platform::Picture render_direct(const std::string& name, int w, int h, bool smooth) {
    return rendering::over_black(render_argb(name, w, h, smooth), smooth);
}

Sprite render_sprite_direct(const std::string& name, int w, int h) {
    auto [sprite, mask] = rendering::sprite_and_mask(render_argb(name, w, h, true));
    return {sprite, mask};
}

platform::Picture render(const std::string& name, int w, int h, bool smooth) {
    QImage pic = baked(name, w, h, smooth ? ArtKind::kSmooth : ArtKind::kHard).first;
    return pic.isNull() ? render_direct(name, w, h, smooth) : pic;
}

Sprite render_sprite(const std::string& name, int w, int h) {
    auto [sprite, mask] = baked(name, w, h, ArtKind::kSprite);
    if (sprite.isNull()) return render_sprite_direct(name, w, h);
    return {sprite, mask};
}

int direct_renders() { return g_direct_renders.load(); }

}  // namespace ui::art
