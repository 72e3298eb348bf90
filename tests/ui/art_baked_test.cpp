// The pictures rendered by the build: the same pixels as drawing the sources now.
#include <gtest/gtest.h>

#include <string>

#include "ui/art.h"
#include "ui/art_catalogue.h"

namespace {

using platform::Picture;
using ui::art::ArtKind;

// The number of pixels whose colour differs (the unused alpha byte of opaque pictures aside).
int differing_pixels(const Picture& a, const Picture& b) {
    if (a.size() != b.size()) return -1;
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF)) ++n;
        }
    }
    return n;
}

TEST(BakedArt, EveryPictureIsLookedUpAndMatchesADirectRender) {
    for (const ui::art::ArtEntry& e : ui::art::kCatalogue) {
        SCOPED_TRACE(e.name);
        const int drawn_before = ui::art::direct_renders();
        if (e.kind == ArtKind::kSprite) {
            const ui::art::Sprite fast = ui::art::render_sprite(e.name, e.w, e.h);
            EXPECT_EQ(ui::art::direct_renders(), drawn_before) << "not rendered by the build";
            const ui::art::Sprite direct = ui::art::render_sprite_direct(e.name, e.w, e.h);
            ASSERT_FALSE(direct.sprite.isNull());
            EXPECT_EQ(differing_pixels(fast.sprite, direct.sprite), 0);
            EXPECT_EQ(differing_pixels(fast.mask, direct.mask), 0);
        } else {
            const bool smooth = e.kind == ArtKind::kSmooth;
            const Picture fast = ui::art::render(e.name, e.w, e.h, smooth);
            EXPECT_EQ(ui::art::direct_renders(), drawn_before) << "not rendered by the build";
            const Picture direct = ui::art::render_direct(e.name, e.w, e.h, smooth);
            ASSERT_FALSE(direct.isNull());
            EXPECT_EQ(differing_pixels(fast, direct), 0);
        }
    }
}

TEST(BakedArt, ALookedUpPictureCopiesBeforeItIsDrawnOn) {
    Picture a = ui::art::render("palette", 160, 30);
    a.setPixel(0, 0, qRgb(1, 2, 3));
    const Picture b = ui::art::render("palette", 160, 30);
    EXPECT_NE(b.pixel(0, 0) & 0xFFFFFF, 0x010203u);
}

}  // namespace
