// The fireworks show over the golden castle, and the shells the game-won scene fires too.
#include "ui/fireworks.h"

#include <string>

#include "core/game_state.h"
#include "core/rounding.h"
#include "core/utility.h"
#include "modes/pawn.h"
#include "pictures/colour_ramps.h"
#include "pictures/picture_state.h"
#include "ui/mainform.h"
#include "ui/menu.h"
#include "ui/picture_store.h"
#include "ui/screen_state.h"
#include "ui/side_panel.h"
#include "ui/transition.h"

namespace ui {

namespace {

// One colour for a shell: random light colours, or near the colour picked on the palette.
platform::Colour shell_colour() {
    const ScreenState& s = screen();
    if (s.fw_randcolour) {
        const int r = core::rnd_range(120, 120);
        const int g = core::rnd_range(120, 120);
        const int b = core::rnd_range(120, 120);
        return platform::rgb(r, g, b);
    }
    const int r = core::rnd_range(s.fw_red, 60);
    const int g = core::rnd_range(s.fw_green, 60);
    const int b = core::rnd_range(s.fw_blue, 60);
    return platform::rgb(r, g, b);
}

void launch(std::size_t i) {
    ScreenState& s = screen();
    MainForm& f = mainform();
    s.fw_x[i] = static_cast<std::int16_t>(core::rnd_range(s.fw_xmin, s.fw_xmax - s.fw_xmin));
    s.fw_height[i] = static_cast<std::int16_t>(core::rnd_range(s.fw_hmin, s.fw_hmax - s.fw_hmin));
    s.fw_size[i] = static_cast<std::uint8_t>(core::rnd_range(15, s.fw_sizemax - 15));
    s.fw_speed[i] = static_cast<std::int16_t>(core::rnd_range(9, 4));
    const platform::Colour colour = shell_colour();
    f.Shape_fwb[i]->set_border_width(core::rnd_range(1, 5));
    f.Shape_fwb[i]->set_visible(false);
    platform::Line* trail = f.shape_fwa[i];
    trail->set_visible(true);
    trail->set_points(s.fw_x[i], s.fw_ground_y, s.fw_x[i], s.fw_ground_y);
    trail->set_border_colour(colour);
    s.fw_bx[i] = s.fw_x[i];
    s.fw_by[i] = static_cast<std::int16_t>(s.fw_ground_y - s.fw_height[i]);
}

void burst(std::size_t i) {
    ScreenState& s = screen();
    MainForm& f = mainform();
    const platform::Colour colour = shell_colour();
    s.fw_speed[i] = 5;
    const int r = s.fw_progress[i] - s.fw_height[i];
    platform::Shape* circle = f.Shape_fwb[i];
    circle->set_border_colour(colour);
    circle->move(s.fw_bx[i] - r, s.fw_by[i] - r, 2 * r, 2 * r);
    circle->set_visible(true);
    // The trail shrinks upwards into the burst as the circle grows.
    platform::Line* trail = f.shape_fwa[i];
    const double y2 = (s.fw_height[i] + trail->y1()) - static_cast<double>(r) / s.fw_size[i] * s.fw_height[i];
    trail->set_points(trail->x1(), trail->y1(), trail->x2(), core::cint(y2));
}

}  // namespace

void Img_bgcastle_Click() {
    // The title castle lingers for a moment under the Story start screen's first frames; a
    // show opened then would run under that screen's animation.
    if (core::core_state().game_mode == core::GameMode::Story) return;
    if (mainform().Img_bgcastle->mouse_pointer() == platform::kUpArrowPointer) pane_close(core::PaneWord::Firework1);
}

void setup_fireworks() {
    ScreenState& s = screen();
    MainForm& f = mainform();
    core::core_state().game_mode = core::GameMode::Fireworks;
    core::core_state().game_state = core::StateWord::PlayFirework;
    f.pbox_main->set_auto_redraw(true);

    platform::PictureBox& temp = *f.pbox_temp;
    temp.set_width(424);
    temp.set_height(424);
    temp.clear();

    f.Img_bgcastle->set_visible(false);
    f.Img_changebg->set_visible(false);
    f.Label_ver->set_visible(false);
    show_bt12(0);
    show_bt_3_4(0);
    show_mainmenu(0);
    show_linearmenu(0);

    temp.draw().box(0, 0, 420, 320, platform::qb_colour(13), true);

    // Two sky colours whose channels add up to 260 at the top and 200 at the bottom.
    const int r1 = core::rnd_range(0, 260);
    const int g1 = core::rnd_range(0, 260 - r1);
    const int b1 = 260 - r1 - g1;
    const int r2 = core::rnd_range(0, 200);
    const int g2 = core::rnd_range(0, 200 - r2);
    const int b2 = 200 - r2 - g2;
    pictures::make_gradient(43, 0, r1, g1, b1, 255, 255, 255);
    pictures::continue_gradient(2, 255, 255, 255);
    pictures::continue_gradient(20, r2, g2, b2);
    const pictures::PictureState& p = pictures::picture_state();
    for (int i = 1; i <= p.grad_count; ++i) {
        temp.draw().box(0, 4 * (i - 1), 419, 4 * (i - 1) + 3, p.grad_colors[static_cast<std::size_t>(i)], true);
    }

    const platform::Canvas& res = form_clip().pbox_res;
    temp.blit(0, 220, 420, 100, res, 0, 100, platform::RasterOp::And);
    temp.blit(0, 220, 420, 100, res, 0, 0, platform::RasterOp::Paint);

    s.fw_ground_y = 320;
    s.fw_xmin = 20;
    s.fw_xmax = 400;
    s.fw_hmin = 80;
    s.fw_hmax = 280;
    s.fw_sizemax = 40;
    s.fw_randcolour = true;
    s.fw_red = s.fw_green = s.fw_blue = 150;
    s.fw_count = 11;
    f.Label_fwtotal->set_caption(std::to_string(s.fw_count));

    start_box_slide(1, 1);
}

void fireworks_step2() {
    MainForm& f = mainform();
    f.Timer_fw.set_enabled(true);
    f.pbox_main->set_enabled(true);
}

void Timer_fw_Timer() {
    ScreenState& s = screen();
    for (int n = 1; n <= s.fw_count && n <= 20; ++n) {
        const auto i = static_cast<std::size_t>(n);
        if (s.fw_progress[i] == 0) launch(i);
        if (s.fw_progress[i] < s.fw_height[i]) {
            platform::Line* trail = mainform().shape_fwa[i];
            trail->set_points(trail->x1(), s.fw_ground_y - s.fw_progress[i], trail->x2(), trail->y2());
        }
        if (s.fw_progress[i] > s.fw_height[i]) burst(i);
        s.fw_progress[i] = static_cast<std::int16_t>(s.fw_progress[i] + s.fw_speed[i]);
        if (s.fw_progress[i] > s.fw_height[i] + s.fw_size[i]) s.fw_progress[i] = 0;
    }
    if (core::core_state().game_state == core::StateWord::GameWon) {
        s.jump_step = static_cast<std::int16_t>(s.jump_step + 1);
        if (s.jump_step > 11) s.jump_step = 0;
        modes::draw_pawn(s.jump_x, s.jump_y - 2 * core::core_state().jump_arc[static_cast<std::size_t>(s.jump_step)]);
    }
}

void Label_btc_Click(int index) {
    ScreenState& s = screen();
    if (index == 1 && s.fw_count < kMostShells) ++s.fw_count;
    if (index == 0 && s.fw_count > kFewestShells) --s.fw_count;
    mainform().Label_fwtotal->set_caption(std::to_string(s.fw_count));
    hide_fireworks();
}

void pbox_pal_MouseMove(const platform::MouseArgs& args) {
    if (args.button != platform::kLeftButton) return;
    ScreenState& s = screen();
    platform::PictureBox& pal = *mainform().pbox_pal;
    pal.clear();
    const int x = core::cint(args.x);
    const int y = core::cint(args.y);
    // Off the palette the read gives -1, whose channels read as white.
    const std::string hex = core::colour_hex(pal.pixel(x, y));
    s.fw_red = static_cast<std::uint8_t>(core::colour_red(hex));
    s.fw_green = static_cast<std::uint8_t>(core::colour_green(hex));
    s.fw_blue = static_cast<std::uint8_t>(core::colour_blue(hex));
    s.fw_randcolour = false;
    pal.draw().box(x - 2, y - 2, x + 2, y + 2, platform::kBlack, false);
}

void hide_fireworks() {
    MainForm& f = mainform();
    for (std::size_t i = 0; i < f.shape_fwa.size(); ++i) {
        f.shape_fwa[i]->set_visible(false);
        f.Shape_fwb[i]->set_visible(false);
    }
}

}  // namespace ui
