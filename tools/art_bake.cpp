// Build step: renders every built-in picture from its SVG source ahead of time, so that the
// program finds its pictures ready instead of drawing them while the player waits.
//
//   art_bake <art folder> <out file>
//
// A missing or broken source is left out with a warning: the program then draws that picture
// itself, and its own fallback covers a source that is broken there too.
#include <QFile>
#include <QSvgRenderer>
#include <cstdio>
#include <cstring>
#include <vector>

#include "ui/art_catalogue.h"
#include "ui/art_render.h"

namespace {

using namespace ui::art;

struct Baked {
    BakedRecord record{};
    std::vector<QImage> images;
};

std::uint64_t aligned(std::uint64_t n) { return (n + 63) / 64 * 64; }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: art_bake <art folder> <out file>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    std::vector<Baked> baked;
    for (const ArtEntry& e : kCatalogue) {
        QSvgRenderer renderer(folder + "/" + e.name + ".svg");
        const QImage argb = rendering::render_argb(renderer, e.w, e.h, e.kind != ArtKind::kHard);
        if (argb.isNull()) {
            std::fprintf(stderr, "art_bake: warning: %s.svg is missing or broken; the program will draw it\n", e.name);
            continue;
        }
        Baked b;
        std::strncpy(b.record.name, e.name, sizeof b.record.name - 1);
        b.record.kind = static_cast<std::uint32_t>(e.kind);
        b.record.w = static_cast<std::uint32_t>(e.w);
        b.record.h = static_cast<std::uint32_t>(e.h);
        if (e.kind == ArtKind::kSprite) {
            auto [sprite, mask] = rendering::sprite_and_mask(argb);
            b.images = {sprite, mask};
        } else {
            b.images = {rendering::over_black(argb, e.kind == ArtKind::kSmooth)};
        }
        b.record.images = static_cast<std::uint32_t>(b.images.size());
        baked.push_back(std::move(b));
    }

    BakedHeader header{};
    std::memcpy(header.magic, kBakedMagic, sizeof header.magic);
    header.count = static_cast<std::uint32_t>(baked.size());
    std::uint64_t offset = aligned(sizeof header + baked.size() * sizeof(BakedRecord));
    for (Baked& b : baked) {
        b.record.offset = offset;
        offset += b.images.size() * aligned(std::uint64_t{b.record.w} * b.record.h * 4);
    }

    QByteArray out(static_cast<qsizetype>(offset), '\0');
    std::memcpy(out.data(), &header, sizeof header);
    char* records = out.data() + sizeof header;
    for (const Baked& b : baked) {
        std::memcpy(records, &b.record, sizeof b.record);
        records += sizeof b.record;
        std::uint64_t at = b.record.offset;
        for (const QImage& img : b.images) {
            const qsizetype row = static_cast<qsizetype>(b.record.w) * 4;
            for (int y = 0; y < img.height(); ++y) {
                std::memcpy(out.data() + at + static_cast<std::uint64_t>(y) * row, img.constScanLine(y), row);
            }
            at += aligned(std::uint64_t{b.record.w} * b.record.h * 4);
        }
    }

    // Written beside and moved into place, so that a stopped build never leaves half a file.
    const QString target = QString::fromLocal8Bit(argv[2]);
    QFile file(target + ".part");
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(out) != out.size()) {
        std::fprintf(stderr, "art_bake: cannot write %s\n", argv[2]);
        return 1;
    }
    file.close();
    QFile::remove(target);
    if (!file.rename(target)) {
        std::fprintf(stderr, "art_bake: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
