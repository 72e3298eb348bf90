// The hidden store of the game's built-in pictures, cut into the cells the screens use.
#include "ui/picture_store.h"

#include <QPainter>

namespace ui {

namespace {

using platform::Picture;

// Plain stand-ins of the right sizes and cell layouts until the artwork is rendered.
Picture plain(int w, int h, platform::Colour c) { return platform::make_picture(w, h, c); }

Picture title_picture() {
    Picture pic = plain(420, 320, platform::rgb(0x7E, 0xC8, 0xF2));
    QPainter p(&pic);
    p.fillRect(0, 230, 420, 90, QColor(0x6C, 0xC2, 0x4A));
    QFont f("Impact", 36);
    p.setFont(f);
    p.setPen(QColor(0x2B, 0x1B, 0x3D));
    p.drawText(QRect(2, 32, 420, 80), Qt::AlignCenter, "QUORVEL INFINITE");
    p.setPen(QColor(0xFF, 0xB4, 0x00));
    p.drawText(QRect(0, 30, 420, 80), Qt::AlignCenter, "QUORVEL INFINITE");
    return pic;
}

}  // namespace

PictureStore::PictureStore()
    : pbox_res(420, 260, platform::kBlack), pbox_pawn(50, 500, platform::kBlack) {
    pclip_storymap.set_picture(plain(420, 320, platform::rgb(0x6C, 0xC2, 0x4A)), 1, 1);
    pclip_main.set_picture(title_picture(), 1, 1);
    PCLIP_story.set_picture(plain(420, 320, platform::rgb(0x8E, 0x5C, 0xF7)), 1, 1);
    pclip_bgcastle.set_picture(plain(80, 120, platform::rgb(0x4A, 0x3A, 0x66)), 2, 1);
    pclip_iconpic.set_picture(plain(320, 240, platform::rgb(0xFF, 0xB4, 0x00)), 10, 10);
    pclip_castle.set_picture(plain(420, 320, platform::rgb(0x2B, 0x1B, 0x3D)), 1, 1);
    pclip_hint.set_picture(plain(150, 30, platform::rgb(0xFF, 0xB4, 0x00)), 1, 6);
    pclip_bg.set_picture(plain(280, 200, platform::rgb(0x3D, 0x8F, 0xD6)), 10, 1);
    pclip_gameover.set_picture(plain(420, 320, platform::rgb(255, 31, 0)), 1, 1);
    pclip_dice.set_picture(plain(360, 50, platform::kWhite), 1, 6);
    pclip_gamewon.set_picture(plain(420, 320, platform::rgb(0xFF, 0xE2, 0x7A)), 1, 1);
    pclip_arrow.set_picture(plain(60, 15, platform::rgb(0xFF, 0x5A, 0x5F)), 1, 4);
    // Masks are white where nothing shows.
    pbox_res.draw().box(0, 100, 419, 199, platform::kWhite, true);
    pbox_res.draw().box(75, 200, 149, 259, platform::kWhite, true);
    pbox_pawn.draw().box(25, 0, 49, 499, platform::kWhite, true);
    pbox_res.set_auto_redraw(true);
    pbox_pawn.set_auto_redraw(true);
}

PictureStore& form_clip() {
    static PictureStore store;
    return store;
}

}  // namespace ui
