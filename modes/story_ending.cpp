// The end of the story: the won story counted and saved, the ending pages and the scene's set-up.
#include "modes/story_ending.h"

#include <cstdint>

#include "core/game_state.h"
#include "core/grid.h"
#include "core/round_links.h"
#include "core/settings.h"
#include "core/utility.h"
#include "modes/pawn.h"
#include "modes/story_map.h"
#include "pictures/colour_ramps.h"
#include "ui/mainform.h"
#include "ui/menu.h"
#include "ui/picture_store.h"
#include "ui/screen_state.h"

namespace modes {

const std::array<std::string, 7> kEndingPages = {
    "",
    "The dark castle have been destroyed. PuzzleLand is free once more.",
    "For your effort, you have been elected the King of PuzzleLand. ",
    "What next? You might ask. ",
    "Well, a golden castle have been built in honor of you. ",
    "Now, return back to the main menu and click on that castle. ",
    "There is a suprise waiting for you there. ^o^ ",
};

void win_story() {
    core::CoreState& s = core::core_state();
    ui::MainForm& f = ui::mainform();
    s.game_state = core::StateWord::GameWon;
    // Counted on disk at once: a player who quits during the ending keeps the golden castle.
    core::count_won_story();
    f.Timer_timer.set_enabled(false);
    f.pbox_main->set_auto_redraw(true);

    platform::PictureBox& temp = *f.pbox_temp;
    temp.set_width(424);
    temp.set_height(324);
    temp.clear();
    temp.set_auto_redraw(true);
    temp.set_picture(ui::form_clip().pclip_gamewon.picture());

    // The next story starts with every secret hidden.
    for (int i = 1; i <= core::story_round::kCastle; ++i) draw_secret(i, core::secret_state::kHidden, 0);
    ui::screen().ending_page = 1;
    show_endstory();
}

void story_end_anim() {
    ui::ScreenState& sc = ui::screen();
    ui::MainForm& f = ui::mainform();
    f.Shape_cursor->set_visible(false);
    ui::show_bt(core::kEndGameButton, 0);
    core::show_grid(0);

    f.pbox_main->set_auto_redraw(true);
    f.pbox_temp->clear();
    f.pbox_temp->set_visible(false);
    // The band of the won picture that holds both banners becomes their source.
    core::blit_to_mainform_picture(*f.pbox_main, 27, 35, 354, 135);

    sc.banner1_x = sc.banner2_x = 27;
    sc.gamewon_tick = 0;
    sc.banner1_dx = -6;
    sc.banner2_dx = 6;

    sc.jump_x = static_cast<std::int16_t>(core::rnd_range(20, 70));
    sc.jump_y = 260;
    sc.jump_step = 0;
    hide_pawn();

    f.pbox_main->set_auto_redraw(false);
    f.Timer_gamewon.set_enabled(true);
    f.pbox_box[1]->set_visible(false);

    sc.ending_fade = 0;
    f.Label_endstory->set_fore_colour(f.pbox_box[0]->back_colour());

    sc.fw_sizemax = 40;
    sc.fw_hmin = 80;
    sc.fw_hmax = 150;
    sc.fw_xmin = 160;
    sc.fw_xmax = 410;
    sc.fw_randcolour = true;
    sc.fw_red = sc.fw_green = sc.fw_blue = 0;
    sc.fw_ground_y = 320;
    sc.fw_count = 6;

    const int r = core::rnd_range(185, 70);
    const int g = core::rnd_range(185, 70);
    const int b = core::rnd_range(185, 70);
    pictures::make_gradient(8, 0, 0, 0, 191, r, g, b);
}

void show_endstory() {
    ui::MainForm& f = ui::mainform();
    f.Label_endstory->set_fore_colour(f.Shape_box->back_colour());
    const std::uint8_t page = ui::screen().ending_page;
    f.Label_endstory->set_caption(page >= 1 && page <= 6 ? kEndingPages[page] : "");
}

}  // namespace modes
