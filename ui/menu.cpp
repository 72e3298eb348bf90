// The title screen, the difficulty menus and the bottom buttons.
#include "ui/menu.h"

#include <utility>

#include "core/game_state.h"
#include "core/grid.h"
#include "core/round_flow.h"
#include "core/round_links.h"
#include "core/settings.h"
#include "modes/linear.h"
#include "modes/message_panel.h"
#include "modes/mode_state.h"
#include "modes/pawn.h"
#include "modes/story_map.h"
#include "modes/story_start.h"
#include "modes/walking.h"
#include "platform/services.h"
#include "ui/mainform.h"
#include "ui/picture_store.h"
#include "ui/screen_state.h"
#include "ui/side_windows.h"
#include "ui/transition.h"

namespace ui {

const char* const kWebsite = "https://quorvel-infinite.example.org/";

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
    if (index < 0 || index > 5) return;
    MainForm& f = mainform();
    f.Label_bt[static_cast<std::size_t>(index)]->show_flag(flag);
    f.Shape_bt[static_cast<std::size_t>(index)]->show_flag(flag);
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
    for (platform::Label* item : mainform().Label_mi) item->show_flag(flag);
    mainform().Label_mi[3]->set_visible(false);  // the menu has no fourth item
}

void show_linearmenu(int flag) {
    MainForm& f = mainform();
    for (auto* l : f.Label_midiff) l->show_flag(flag);
    for (auto* l : f.Label_linear) l->show_flag(flag);
    f.Shape_menucs->show_flag(flag);
}

void goto_mainmenu() {
    MainForm& f = mainform();
    core::clear_score_state();
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
    modes::hide_pawn();
    f.Shape_pawn2->set_visible(false);
    f.Shape_rad->set_visible(false);  // the hint's radar must not stay over the title
    f.Shape_storymenu->move(280, 325);
    f.pbox_storymenu->move(280, 330);
    for (platform::Timer* t : {&f.Timer_dice, &f.Timer_timer, &f.Timer_pawn, &f.Timer_walk, &f.Timer_gameover}) {
        t->set_enabled(false);
    }
    f.Img_bgcastle->set_visible(true);
    const bool golden = core::core_state().stories_won > 0;
    f.Img_bgcastle->set_picture(form_clip().pclip_bgcastle.cell(golden ? 1 : 0));
    f.Img_bgcastle->set_mouse_pointer(golden ? platform::kUpArrowPointer : platform::kDefaultPointer);
    f.Img_changebg->set_visible(true);
    f.Label_ver->set_visible(true);
    f.pbox_main->set_enabled(true);
    for (auto* h : f.Img_hotspot) h->set_visible(false);
    show_linearmenu(0);
    core::show_grid(0);
    show_bt_3_4(1);
    show_bt12(0);
    show_mainmenu(1);
    modes::hide_msgbox();
    modes::disable_arrows();
    core::core_state().game_mode = core::GameMode::Menu;
    core::core_state().game_state = core::StateWord::MainMenu;
}

void start_linear() {
    core::core_state().game_mode = core::GameMode::Linear;
    select_linear_diff(0);
    show_linearmenu(1);
    show_bt12(1);
    show_bt_3_4(0);
    show_mainmenu(0);
}

void select_linear_diff(int index) {
    if (index < 0 || index > 4) return;
    MainForm& f = mainform();
    modes::mode_state().linear_diff = static_cast<std::uint8_t>(index);
    for (auto* l : f.Label_midiff) l->set_fore_colour(platform::qb_colour(15));
    platform::Label* chosen = f.Label_midiff[static_cast<std::size_t>(index)];
    f.Shape_menucs->set_width(chosen->width());
    f.Shape_menucs->move(chosen->left(), chosen->top() - 1);
    chosen->set_fore_colour(platform::kYellow);
    f.Shape_menucs->set_visible(true);
    const core::DiffRec& d = core::core_state().diff_table[static_cast<std::size_t>(index)];
    f.Label_linear[3]->set_caption(std::to_string(d.secs) + " seconds");
    std::string marks;
    for (int i = 0; i < d.max_misses; ++i) marks += "X ";
    f.Label_linear[4]->set_caption(marks);
}

void select_story_difficulty(int index) {
    if (index < 0 || index > 2) return;
    MainForm& f = mainform();
    modes::mode_state().story_diff = static_cast<std::uint8_t>(index);
    platform::Label* chosen = f.Label_misdiff[static_cast<std::size_t>(index)];
    f.Shape_misdiff->move(chosen->left() - 4, chosen->top());
}

void leave_menu() {
    MainForm& f = mainform();
    show_bt(core::kEndGameButton, 1);
    show_bt_3_4(0);
    f.Label_ver->set_visible(false);
    f.Img_bgcastle->set_visible(false);
    f.Shape_storymenu->move(50, 330);
    f.pbox_storymenu->move(55, 335);
    f.Timer_menu.set_enabled(false);
    show_mainmenu(0);
    for (auto* h : f.Img_hotspot) h->set_visible(false);
    show_linearmenu(0);
    show_bt12(0);
    f.pbox_main->set_auto_redraw(true);
    if (core::core_state().game_mode == core::GameMode::Linear) {
        modes::begin_linear_game();
    } else {
        modes::enter_puzzleland();
    }
}

void pause_game() {
    MainForm& f = mainform();
    platform::Shape& cursor = *f.Shape_cursor;
    const int w = cursor.width(), h = cursor.height(), x = cursor.left(), y = cursor.top();
    cursor.set_fill_style(platform::Shape::kFillDiagonalCross);
    cursor.set_width(420);
    cursor.set_height(320);
    cursor.move(0, 0);
    cursor.set_visible(true);
    msgbox_over_round("GAME PAUSED. CLICK ON OK TO RESUME", platform::kMsgInfo);
    cursor.set_fill_style(platform::Shape::kFillTransparent);
    cursor.set_width(w);
    cursor.set_height(h);
    cursor.move(x, y);
}

void open_from_screen(const std::string& target, const char* failure, std::function<bool()> still_there) {
    platform::open_document(target, [failure, still_there = std::move(still_there)](std::int32_t result) {
        if (result < 33 && still_there()) platform::msgbox(failure, platform::kMsgInfo);
    });
}

void open_link(const std::string& target, std::function<bool()> still_there) {
    open_from_screen(target, "Sorry! link failed to be loaded", std::move(still_there));
}

void Label_midiff_Click(int index) { select_linear_diff(index); }

void Label_misdiff_Click(int index) { select_story_difficulty(index); }

void Label_mi_Click(int index) {
    switch (index) {
        case 0: start_linear(); break;
        case 1: modes::start_story(); break;
        case 2: show_form_about(); break;
        case 4:
            screen().help_question = -1;
            show_form_inst();
            break;
        case 5:
            screen().hof_rank_new = 0;
            show_form_topten();
            break;
        default: break;
    }
}

void Label_bt_Click(int index) {
    MainForm& f = mainform();
    f.Timer_gamewon.set_enabled(false);
    f.Timer_gameover.set_enabled(false);
    switch (index) {
        case core::kEndGameButton:
        case 1: end_game(); break;
        case 2: leave_menu(); break;
        case 3:
            // The title is left as soon as its buttons go.
            open_link(kWebsite, [] { return mainform_exists() && mainform().Label_bt[3]->visible(); });
            break;
        case 4:
            if (confirm_exit() == 0) core::save_and_quit();
            break;
        case core::kPauseButton: pause_game(); break;
        default: break;
    }
}

}  // namespace ui
