// The hidden store of the game's built-in pictures, cut into the cells the screens use.
#include "ui/picture_store.h"

#include <QPainter>
#include <future>
#include <mutex>
#include <system_error>

#include "ui/art.h"

namespace ui {

namespace {

using platform::Picture;

// A picture from its source, or a plain one of the same size when the source is missing, so
// that every size and cell layout the screens rely on holds whatever happens to the artwork.
Picture picture(const std::string& name, int w, int h, platform::Colour fallback, bool smooth = true) {
    Picture pic = art::render(name, w, h, smooth);
    if (pic.isNull() || pic.width() != w || pic.height() != h) return platform::make_picture(w, h, fallback);
    return pic;
}

// Places a sprite and its mask into a sheet of masked sprites.
void place_sprite(platform::Canvas& sheet, const std::string& name, int w, int h, int sx, int sy,
                  int mx, int my) {
    const art::Sprite s = art::render_sprite(name, w, h);
    if (s.sprite.isNull()) return;
    sheet.blit(sx, sy, w, h, s.sprite, 0, 0);
    sheet.blit(mx, my, w, h, s.mask, 0, 0);
}

}  // namespace

PictureStore::PictureStore()
    : pbox_res(420, 260, platform::kBlack), pbox_pawn(50, 500, platform::kBlack) {
    const platform::Colour sky = platform::rgb(0x7E, 0xC8, 0xF2);
    pclip_storymap.set_picture(picture("storymap", 420, 320, platform::rgb(0x6C, 0xC2, 0x4A)), 1, 1);
    pclip_main.set_picture(picture("title", 420, 320, sky), 1, 1);
    PCLIP_story.set_picture(picture("story_intro", 420, 320, sky), 1, 1);
    pclip_bgcastle.set_picture(picture("bgcastle", 80, 120, platform::rgb(0x4A, 0x3A, 0x66)), 2, 1);
    // The markers of the object icons must keep their exact colours.
    pclip_iconpic.set_picture(picture("icons", 320, 240, platform::rgb(0xFF, 0xB4, 0x00), false), 10, 10);
    pclip_castle.set_picture(picture("castle_round", 420, 320, platform::rgb(0x2B, 0x1B, 0x3D)), 1, 1);
    pclip_hint.set_picture(picture("hint", 150, 30, platform::rgb(0xFF, 0xB4, 0x00)), 1, 6);
    pclip_bg.set_picture(picture("backgrounds", 280, 200, platform::rgb(0x3D, 0x8F, 0xD6), false), 10, 1);
    pclip_gameover.set_picture(picture("gameover", 420, 320, platform::rgb(255, 31, 0)), 1, 1);
    pclip_dice.set_picture(picture("dice", 360, 50, platform::kWhite), 1, 6);
    pclip_gamewon.set_picture(picture("gamewon", 420, 320, platform::rgb(0xFF, 0xE2, 0x7A)), 1, 1);
    pclip_arrow.set_picture(picture("arrows", 60, 15, platform::rgb(0xFF, 0x5A, 0x5F)), 1, 4);
    icosecret = picture("icosecret", 286, 104, platform::kBlack);
    palette = picture("palette", 160, 30, platform::kWhite);
    hof_banner = picture("hof_banner", 41, 219, platform::rgb(0xFF, 0xB4, 0x00));
    help_banner = picture("help_banner", 41, 291, platform::rgb(0x00, 0xB3, 0xA4));
    help_illustration = picture("help_illustration", 122, 167, platform::rgb(0x7E, 0xC8, 0xF2));
    entername_bg = picture("entername_bg", 360, 100, platform::rgb(0x2B, 0x1B, 0x3D));
    about_logo = picture("about_logo", 240, 90, platform::rgb(0xFF, 0xB4, 0x00));

    // Masked sprites: white masks where nothing shows.
    pbox_res.set_auto_redraw(true);
    pbox_pawn.set_auto_redraw(true);
    pbox_res.draw().box(0, 100, 419, 199, platform::kWhite, true);
    pbox_res.draw().box(75, 200, 149, 259, platform::kWhite, true);
    pbox_pawn.draw().box(25, 0, 49, 499, platform::kWhite, true);
    place_sprite(pbox_res, "landscape", 420, 100, 0, 0, 0, 100);
    place_sprite(pbox_res, "gift", 75, 60, 0, 200, 75, 200);
    const art::Sprite pawns = art::render_sprite("pawns", 25, 25 * kPawnRows);
    if (!pawns.sprite.isNull()) {
        pbox_pawn.blit(0, 0, 25, 25 * kPawnRows, pawns.sprite, 0, 0);
        pbox_pawn.blit(25, 0, 25, 25 * kPawnRows, pawns.mask, 0, 0);
    }
}

PictureStore& form_clip() {
    // A store half made on the other thread is waited for here: statics are made once.
    static PictureStore store;
    return store;
}

void begin_making_pictures() {
    // Kept until the program ends, whose exit waits for the thread.
    static std::mutex mutex;
    static std::future<void> ahead;
    const std::lock_guard lock(mutex);
    if (ahead.valid()) return;
    try {
        ahead = std::async(std::launch::async, [] { form_clip(); });
    } catch (const std::system_error&) {
        // No thread to spare: the store is made when first asked for.
    }
}

}  // namespace ui
