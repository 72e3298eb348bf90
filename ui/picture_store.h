// The hidden store of the game's built-in pictures, cut into the cells the screens use.
#pragma once

#include "platform/picture_box.h"
#include "platform/picture_clip.h"
#include "ui/art_catalogue.h"

namespace ui {

struct PictureStore {
    PictureStore();

    platform::Canvas pbox_res;   // 420 x 260: castle skyline and gift box sprites with masks
    platform::Canvas pbox_pawn;  // 50 x 500: a 25 x 25 sprite per character row, masks at x 25
    platform::PictureClip pclip_storymap;  // 1 x 1, 420 x 320
    platform::PictureClip pclip_main;      // 1 x 1, the title picture
    platform::PictureClip PCLIP_story;     // 1 x 1, the Story intro
    platform::PictureClip pclip_bgcastle;  // 2 x 1 cells of 80 x 60: dark, golden castle
    platform::PictureClip pclip_iconpic;   // 10 x 10 cells of 32 x 24: object icons
    platform::PictureClip pclip_castle;    // 1 x 1, the castle round
    platform::PictureClip pclip_hint;      // 1 x 6 cells of 25 x 30
    platform::PictureClip pclip_bg;        // 10 x 1 rows of 280 x 20
    platform::PictureClip pclip_gameover;  // 1 x 1
    platform::PictureClip pclip_dice;      // 1 x 6 cells of 60 x 50
    platform::PictureClip pclip_gamewon;   // 1 x 1

    // Window pictures that live with the controls using them.
    platform::PictureClip pclip_arrow;     // 1 x 4 cells of 15 x 15
    platform::Picture icosecret;           // 286 x 104: the secret-square icon strip
    platform::Picture palette;             // 160 x 30: the fireworks colour palette
    platform::Picture hof_banner;          // 41 x 219
    platform::Picture help_banner;         // 41 x 291
    platform::Picture help_illustration;   // 122 x 167
    platform::Picture entername_bg;        // 360 x 100
    platform::Picture about_logo;          // 240 x 90

    static constexpr int kPawnRows = art::kPawnRows;  // characters drawn; the sheet has room for 20
};

// Made on first use, or ahead by begin_making_pictures(); kept until the program ends.
PictureStore& form_clip();

// Begins making the store on a spare thread, while the toolkit connects to the display: its
// sprite sheets are drawn by hand and fresh memory is slow to come by at start-up. Needs no
// application object; form_clip() waits for it.
void begin_making_pictures();

}  // namespace ui
