// The window background: one of ten tiled schemes, and the HUD shadows coloured to suit it.
#include "ui/background.h"

#include "core/game_state.h"
#include "core/settings.h"
#include "core/utility.h"
#include "ui/mainform.h"
#include "ui/picture_store.h"

namespace ui {

void draw_bg(std::int16_t& bg) {
    if (bg == -1) bg = static_cast<std::int16_t>(core::rnd_range(0, 9));
    // A damaged saved scheme names no tile: paint scheme 0 and keep that.
    if (bg < 0 || bg > 9) bg = 0;
    const bool changed = bg != core::core_state().bg_index;
    core::core_state().bg_index = bg;

    MainForm& f = mainform();
    f.set_auto_redraw(true);
    f.clear();

    PictureStore& clip = form_clip();
    platform::PictureBox& row_tile = *f.pbox_cell[0];
    row_tile.set_auto_redraw(true);
    row_tile.set_picture(clip.pclip_bg.cell(bg));
    row_tile.set_height(24);
    row_tile.set_width(284);
    clip.pclip_bg.set_clip(180, 20 * bg, 100, 20);
    platform::PictureBox& strip_tile = *f.pbox_cell[1];
    strip_tile.set_auto_redraw(true);
    strip_tile.set_picture(clip.pclip_bg.clip());
    strip_tile.set_height(24);
    strip_tile.set_width(124);

    for (int y = 0; y <= 445; y += 20) {
        f.blit(0, y, 280, 20, row_tile, 0, 0);
        for (int x : {280, 380, 480}) f.blit(x, y, 100, 20, strip_tile, 0, 0);
    }

    const std::string hex = core::colour_hex(f.pixel(1, 15));
    const int r = core::colour_red(hex) - 44;
    const int g = core::colour_green(hex) - 44;
    const int b = core::colour_blue(hex) - 44;
    const platform::Colour shadow = platform::rgb(r < 0 ? 0 : r, g < 0 ? 0 : g, b < 0 ? 0 : b);
    for (platform::Label* twin : {f.label_rounds, f.Label_LEVELS, f.Label_timers, f.Label_missest, f.Label_scores}) {
        twin->set_fore_colour(shadow);
    }
    // Kept at once: a run that ends without the exit button still starts on this scheme next time.
    if (changed) core::save_background();
}

void Img_changebg_Click() {
    // Only the saved scheme keeps the pick; the -1 asks for one at random.
    std::int16_t bg = -1;
    draw_bg(bg);
}

}  // namespace ui
