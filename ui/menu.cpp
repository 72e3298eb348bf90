// The title screen, the difficulty menus and the bottom buttons.
#include "ui/menu.h"

#include "core/game_state.h"
#include "core/grid.h"
#include "ui/mainform.h"
#include "ui/picture_store.h"
#include "ui/screen_state.h"

namespace ui {

void layout_menu_buttons() {
    MainForm& f = mainform();
    for (int i = 1; i <= 4; ++i) {
        const int x = (i % 2 == 1) ? 210 : 380;
        f.Shape_bt[i]->set_width(120);
        f.Label_bt[i]->set_width(120);
        f.Shape_bt[i]->move(x, 360);
        f.Label_bt[i]->move(x, 365);
    }
}

void show_bt(int index, int flag) {
    MainForm& f = mainform();
    f.Label_bt[index]->show_flag(flag);
    f.Shape_bt[index]->show_flag(flag);
}

void show_bt12(int flag) {
    show_bt(1, flag);
    show_bt(2, flag);
}

void show_bt_3_4(int flag) {
    show_bt(3, flag);
    show_bt(4, flag);
}

void show_mainmenu(int flag) {
    MainForm& f = mainform();
    for (int i : {0, 1, 2, 4, 5}) f.Label_mi[i]->show_flag(flag);
}

// The title screen without its castle states and game clean-up, which are not built yet.
void goto_mainmenu() {
    MainForm& f = mainform();
    f.pbox_main->set_auto_redraw(false);
    for (platform::Label* l : {f.Label_round, f.label_rounds, f.Label_score, f.Label_scores,
                               f.Label_timer, f.Label_timers, f.Label_misses, f.Label_missest,
                               f.Label_LEVEL, f.Label_LEVELS}) {
        l->set_caption("-");
    }
    f.Label_round->set_tool_tip("");
    f.Label_story->set_visible(false);
    f.pbox_main->set_picture(form_clip().pclip_main.cell(0));
    f.Label_story->move(30, 410);
    f.Timer_menu.set_enabled(false);
    f.Shape_menucs->set_visible(false);
    f.Shape_cursor->set_visible(false);
    f.pbox_dice->set_visible(false);
    f.Shape_pawn2->set_visible(false);
    f.Shape_storymenu->move(280, 325);
    f.pbox_storymenu->move(280, 330);
    for (platform::Timer* t : {&f.Timer_dice, &f.Timer_timer, &f.Timer_pawn, &f.Timer_walk, &f.Timer_gameover}) {
        t->set_enabled(false);
    }
    f.Img_bgcastle->set_visible(true);
    f.Img_bgcastle->set_picture(form_clip().pclip_bgcastle.cell(core::state().stories_won > 0 ? 1 : 0));
    f.Img_changebg->set_visible(true);
    f.Label_ver->set_visible(true);
    f.pbox_main->set_enabled(true);
    for (auto* h : f.Img_hotspot) h->set_visible(false);
    core::show_grid(0);
    show_bt_3_4(1);
    show_bt12(0);
    show_mainmenu(1);
    screen().game_mode = 0;
    core::state().game_state = "mainmenu";
}

}  // namespace ui
