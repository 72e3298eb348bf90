// The Story start screen: the intro picture, the characters, the difficulty panel and the laugh.
#include "modes/story_start.h"

#include "core/game_state.h"
#include "core/utility.h"
#include "modes/mode_state.h"
#include "platform/services.h"
#include "ui/mainform.h"
#include "ui/menu.h"
#include "ui/picture_store.h"
#include "ui/screen_state.h"

namespace modes {

namespace {

constexpr int kBlindsEnd = 18;  // the tick that shows the whole picture and the characters
constexpr int kSlideEnd = 38;   // the difficulty panel's last move
constexpr int kWrapAbove = 120;
constexpr int kWrapTo = 40;

// Rows tick and tick + 1 of every 20-row band: after nine ticks 18 of each band's 20 rows show.
void blinds(int tick) {
    ui::MainForm& f = ui::mainform();
    for (int y = 0; y <= 300; y += 20) f.pbox_main->blit(0, y + tick, 420, 2, *f.pbox_cell[0], 0, y + tick);
}

void show_characters() {
    ui::MainForm& f = ui::mainform();
    const platform::Canvas& sheet = ui::form_clip().pbox_pawn;
    f.Img_bgcastle->set_visible(false);
    f.pbox_main->set_picture(f.pbox_cell[0]->picture());
    f.pbox_main->set_auto_redraw(true);
    f.Shape_menucs->set_width(35);
    f.Shape_menucs->set_height(35);
    f.Shape_menucs->set_visible(true);
    for (int i = 0; i <= 4; ++i) {
        const int x = 240 + 35 * i;
        const int y = 284;
        platform::Image* spot = f.Img_hotspot[static_cast<std::size_t>(i)];
        spot->set_width(35);
        spot->set_height(35);
        spot->move(x - 5, y - 5);
        spot->set_visible(true);
        spot->set_tool_tip("Choose your favorite character");
        f.pbox_main->blit(x, y, 25, 25, sheet, 25, 25 * i, platform::RasterOp::And);
        f.pbox_main->blit(x, y, 25, 25, sheet, 0, 25 * i, platform::RasterOp::Paint);
    }
    select_menu_item(0);
}

void slide_panel(int tick) {
    ui::MainForm& f = ui::mainform();
    const int d = (tick - kBlindsEnd) * 5;
    f.Shape_storymenu->move(50, 323 - d);
    f.pbox_storymenu->move(55, 328 - d);
}

}  // namespace

void start_story() {
    const core::CoreState& c = core::core_state();
    if (!c.story_available) {
        // Without a usable map there is no Story to start: say why and stay on the title.
        platform::msgbox(c.map_problem.empty() ? "The Story map could not be read." : c.map_problem,
                         platform::kMsgInfo);
        return;
    }
    ui::MainForm& f = ui::mainform();
    core::core_state().game_mode = core::GameMode::Story;
    ui::select_story_difficulty(0);
    select_menu_item(0);
    ui::show_bt12(1);
    ui::show_bt_3_4(0);
    ui::show_mainmenu(0);
    platform::PictureBox& intro = *f.pbox_cell[0];
    intro.set_width(424);
    intro.set_height(324);
    intro.set_picture(ui::form_clip().PCLIP_story.cell(0));
    intro.set_visible(true);
    mode_state().menu_tick = 0;
    f.Img_changebg->set_visible(false);
    f.Label_ver->set_visible(false);
    f.Timer_menu.set_enabled(true);
}

void Timer_menu_Timer() {
    ModeState& s = mode_state();
    ui::MainForm& f = ui::mainform();
    const int tick = s.menu_tick;
    if (tick < kBlindsEnd) {
        blinds(tick);
    } else if (tick == kBlindsEnd) {
        show_characters();
    } else if (tick <= kSlideEnd) {
        slide_panel(tick);
    }
    if (tick % 3 == 1 && tick > kBlindsEnd) {
        f.Label_story->set_visible(true);
        const int x = core::rnd_range(230, 50);
        const int y = core::rnd_range(170, 70);
        f.Label_story->move(x, y);
        f.Label_story->set_caption("hahahaha...!");
    }
    s.menu_tick = static_cast<std::int16_t>(tick + 2);
    if (s.menu_tick > kWrapAbove) s.menu_tick = kWrapTo;
}

void Img_hotspot_Click(int index) { select_menu_item(index); }

void select_menu_item(int index) {
    if (index < 0 || index > 4) return;
    ui::MainForm& f = ui::mainform();
    mode_state().pawn_char = static_cast<std::uint8_t>(index);
    const platform::Image* spot = f.Img_hotspot[static_cast<std::size_t>(index)];
    f.Shape_menucs->move(spot->left(), spot->top());
}

}  // namespace modes
