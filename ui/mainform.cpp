// The main window: every control of the game's one visible window, its start-up and its end.
#include "ui/mainform.h"

#include <string>
#include <utility>

#include "core/board.h"
#include "core/game_state.h"
#include "core/grid.h"
#include "core/hall_of_fame.h"
#include "core/round_links.h"
#include "core/settings.h"
#include "core/state_words.h"
#include "modes/dice.h"
#include "modes/pawn.h"
#include "modes/story_map.h"
#include "modes/story_start.h"
#include "modes/walking.h"
#include "platform/services.h"
#include "ui/background.h"
#include "ui/engine_links.h"
#include "ui/fireworks.h"
#include "ui/menu.h"
#include "ui/input.h"
#include "ui/label_buttons.h"
#include "ui/picture_store.h"
#include "ui/popup_clock.h"
#include "ui/scenes.h"
#include "ui/transition.h"
#include "ui/screen_state.h"
#include "ui/side_panel.h"
#include "ui/startup.h"

namespace ui {

using platform::Colour;
using platform::FontDesc;
using platform::Label;
using platform::PictureBox;
using platform::rgb;
using platform::Shape;

namespace {

// The ending panel's dark blue: the text of each page starts in it and fades out of it.
constexpr Colour kEndingPanelBlue = rgb(0, 0, 192);

// The client area: what lies at x 580 or more, or y 426 or more, is out of sight. The window
// keeps its work pictures and spare controls there.
constexpr int kClientW = 569;
constexpr int kClientH = 421;

// Not owned by a static: when the toolkit ends the program itself (its display gone), static
// destructors run after the toolkit's own, too late to take a window apart.
MainForm*& instance() {
    static MainForm* form = nullptr;
    return form;
}

// The window being built; its controls are owned by it.
MainForm* building = nullptr;

template <typename T>
T* mainform_owned(T* control) {
    return building->own(control);
}

Label* make_label(platform::Container* c, int x, int y, int w, int h, const std::string& text,
                  Colour fore, const FontDesc& font, bool transparent = true) {
    auto* l = mainform_owned(new Label(c, x, y, w, h, text));
    l->set_fore_colour(fore);
    l->set_font(font);
    l->set_transparent(transparent);
    return l;
}

FontDesc font(const char* name, double size, bool bold = false) {
    FontDesc f;
    f.name = name;
    f.size = size;
    f.bold = bold;
    return f;
}

}  // namespace

MainForm::MainForm() : platform::Form("Quorvel Infinite", kClientW, kClientH, rgb(0x3D, 0x8F, 0xD6)) {
    building = this;
    create_controls();
    building = nullptr;
    wire_events();

    screens_ = make_window_screens(*this);
    lend_round_engine(*this, *screens_);
}

MainForm::~MainForm() {
    take_back_round_engine(*screens_);
    // Controls go before the window they lie on.
    while (!owned_.empty()) owned_.pop_back();
}

void MainForm::create_controls() {
    // Work pictures, parked right of the visible area.
    pbox_temp = own(new PictureBox(this, 735, 5, 424, 324));
    pbox_temp->set_visible(false);
    pbox_temp->set_auto_redraw(true);
    pbox_temp2 = own(new PictureBox(this, 735, 340, 324, 244));
    pbox_temp2->set_visible(false);
    pbox_temp2->set_auto_redraw(true);
    for (int i = 0; i <= 4; ++i) {
        pbox_cell[i] = own(new PictureBox(this, 725 + 4 * i, 340, 88, 84));
        pbox_cell[i]->set_visible(false);
        pbox_cell[i]->set_auto_redraw(true);
    }

    // HUD: each twin is made before its value so that the value lies above it.
    const FontDesc caption_font = font("Verdana", 8, true);
    const FontDesc value_font = font("Impact", 20);
    const Colour caption = rgb(255, 255, 132);
    Label1 = make_label(this, 5, 5, 130, 14, "LEVEL", caption, caption_font);
    Label3 = make_label(this, 5, 55, 130, 14, "ROUND", caption, caption_font);
    Label6 = make_label(this, 5, 105, 130, 14, "SCORE", caption, caption_font);
    Label4 = make_label(this, 5, 155, 130, 14, "TIMER", caption, caption_font);
    Label5 = make_label(this, 5, 205, 130, 14, "MISSES", caption, caption_font);
    Label_LEVELS = make_label(this, 720, 15, 130, 40, "-", platform::kBlack, value_font);
    label_rounds = make_label(this, 720, 65, 130, 40, "-", platform::kBlack, value_font);
    Label_scores = make_label(this, 720, 115, 130, 40, "-", platform::kBlack, value_font);
    Label_timers = make_label(this, 720, 165, 130, 40, "-", platform::kBlack, value_font);
    Label_missest = make_label(this, 10, 228, 126, 65, "-", platform::kBlack, value_font);
    Label_LEVEL = make_label(this, 10, 15, 130, 40, "-", platform::kWhite, value_font);
    Label_round = make_label(this, 10, 65, 130, 40, "-", platform::kWhite, value_font);
    Label_score = make_label(this, 10, 115, 130, 40, "-", platform::kWhite, value_font);
    Label_timer = make_label(this, 10, 165, 130, 40, "-", platform::kWhite, value_font);
    Label_misses = make_label(this, 10, 225, 126, 65, "-", platform::kWhite, value_font);

    // The board: 420 x 320 drawing pixels inside its 2-pixel border.
    pbox_main = own(new PictureBox(this, 145, 5, 424, 324));
    pbox_main->set_back_colour(platform::kBlack);
    pbox_main->clear();
    create_board_controls();

    // Bottom buttons (placed again by the menu layout).
    const char* captions[6] = {"end game", "back to menu", "play game", "website", "exit game", "pause"};
    const int bx[6] = {10, 210, 380, 210, 380, 10};
    const int by[6] = {380, 360, 360, 360, 360, 340};
    for (int i = 0; i <= 5; ++i) {
        const int w = (i == core::kEndGameButton || i == core::kPauseButton) ? 115 : 120;
        Shape_bt[i] = own(new Shape(this, bx[i], by[i], w, 31, Shape::kRoundedRectangle));
        Shape_bt[i]->set_fill_style(Shape::kFillSolid);
        Shape_bt[i]->set_fill_colour(rgb(255, 255, 132));
        Shape_bt[i]->set_back_opaque(true);
        Shape_bt[i]->set_border_colour(rgb(0x2B, 0x1B, 0x3D));
        Label_bt[i] = make_label(this, bx[i], by[i] + 5, w, 22, captions[i], rgb(255, 128, 0),
                                 font("Century Gothic", 11, true));
        Label_bt[i]->set_alignment(platform::kAlignCentre);
        Shape_bt[i]->set_visible(false);
        Label_bt[i]->set_visible(false);
    }

    // Message panel under the board.
    Label_msgbox = make_label(this, 248, 335, 320, 80, "", platform::kWhite, font("Verdana", 8), false);
    Label_msgbox->set_back_colour(rgb(0x2B, 0x1B, 0x3D));
    Label_msgbox->set_border(true);
    Label_msgbox->set_visible(false);
    for (int i = 0; i <= 3; ++i) {
        Label_msg[i] = make_label(this, 254, 339 + 18 * i, 310, 18, "", platform::kWhite, font("Verdana", 8));
        Label_msg[i]->set_visible(false);
    }

    Pbox_hint = own(new PictureBox(this, 311, 141, 25, 30, PictureBox::kNoBorder));
    Pbox_hint->set_visible(false);
    // Its first frame, so the icon never shows empty before the pawn timer's first tick.
    Pbox_hint->set_picture(form_clip().pclip_hint.cell(0));
    Pbox_hint->set_tool_tip("Click for game hint!");
    pbox_dice = own(new PictureBox(this, 160, 345, 64, 54, PictureBox::kFixedSingle));
    pbox_dice->set_visible(false);
    // The dice has a face from the start: the first map reveal comes before the first roll tick.
    pbox_dice->set_picture(form_clip().pclip_dice.cell(0));
    pbox_icosecret = own(new PictureBox(this, 600, 340, 286, 104, PictureBox::kNoBorder, platform::kWhite));
    pbox_icosecret->set_visible(false);
    pbox_icosecret->set_auto_redraw(true);
    pbox_icosecret->set_picture(form_clip().icosecret);
    // The direction buttons form a cross in the free space under the misses, each on the side
    // it points to, so the ways left open read at a glance; 0 (never shown) sits in the middle.
    const int ax[5] = {58, 38, 78, 58, 58};
    const int ay[5] = {316, 316, 316, 296, 336};
    for (int i = 0; i <= 4; ++i) {
        bt_arrow[i] = own(new platform::Button(this, ax[i], ay[i], 19, 19, ""));
        bt_arrow[i]->set_visible(false);
    }

    create_panels();

    Label_debug1 = make_label(this, 5, 290, 135, 30, "", platform::kWhite, font("Tahoma", 8));
    Label_debug2 = make_label(this, 5, 320, 135, 30, "", platform::kWhite, font("Tahoma", 8));
    Combo1 = own(new platform::ComboBox(this, 100, 400, 45));
    Command2 = own(new platform::Button(this, 600, 10, 80, 25, "highscore"));
    Command3 = own(new platform::Button(this, 600, 40, 80, 25, "story"));
    Command4 = own(new platform::Button(this, 600, 70, 80, 25, "map"));
}

void MainForm::create_board_controls() {
    PictureBox* b = pbox_main;
    const FontDesc menu_font = font("Comic Sans MS", 12, true);

    Img_changebg = own(new platform::Image(b, 220, 45, 180, 60));
    Img_bgcastle = own(new platform::Image(b, 50, 130, 80, 60));
    // The story text lies under the start screen's click areas and its difficulty panel: the
    // laugh that jumps about must never catch their clicks.
    Label_story = make_label(b, 30, 410, 360, 250, "", platform::kWhite, font("Comic Sans MS", 11, true));
    Label_story->set_visible(false);
    for (int i = 0; i <= 4; ++i) {
        Img_hotspot[i] = own(new platform::Image(b, 235 + 35 * i, 279, 35, 35));
        Img_hotspot[i]->set_visible(false);
    }
    Label_ver = make_label(b, 265, 10, 62, 31, "VERSION 1.10", rgb(255, 255, 0), font("Tahoma", 9.75, true));

    Shape_menucs = own(new Shape(b, 160, 165, 140, 24, Shape::kRoundedRectangle));
    Shape_menucs->set_border_colour(rgb(255, 255, 0));
    Shape_menucs->set_border_width(2);
    Shape_menucs->set_visible(false);
    const char* items[6] = {"Start Linear Game", "Start Story Game", "About this Game", "",
                            "Help and FAQ", "Hall of Fame"};
    for (int i = 0; i <= 5; ++i) {
        Label_mi[i] = make_label(b, 160, 165 + 24 * i, 200, 24, items[i], platform::kWhite, menu_font);
        Label_mi[i]->set_visible(false);
    }
    Label_mi[3]->set_enabled(false);  // the menu has no fourth item

    const char* previews[5] = {"LINEAR GAME", "Starting Timer:", "Allowed misses:", "", ""};
    // The start screen's words sit on the title's dark menu panel.
    const int lx[5] = {160, 160, 160, 290, 290};
    const int ly[5] = {168, 240, 265, 240, 265};
    for (int i = 0; i <= 4; ++i) {
        Label_midiff[i] = make_label(b, 60 + 60 * i, 200, 60, 20, "", platform::kWhite, font("Verdana", 9, true));
        Label_midiff[i]->set_alignment(platform::kAlignCentre);
        Label_midiff[i]->set_visible(false);
        Label_linear[i] = make_label(b, lx[i], ly[i], i >= 3 ? 130 : 200, 22, previews[i], platform::kWhite, font("Verdana", 10, true));
        Label_linear[i]->set_visible(false);
    }

    // One low row: slid up to 228 the panel must end above the characters at 284.
    Shape_storymenu = own(new Shape(b, 50, 423, 320, 50, Shape::kRoundedRectangle));
    Shape_storymenu->set_fill_style(Shape::kFillSolid);
    Shape_storymenu->set_fill_colour(rgb(0x2B, 0x1B, 0x3D));
    pbox_storymenu = own(new PictureBox(b, 55, 428, 310, 40, PictureBox::kFixedSingle, rgb(0x2B, 0x1B, 0x3D)));
    Label_misdiff2 = make_label(pbox_storymenu, 8, 11, 100, 20, "DIFFICULTY", rgb(255, 255, 0), font("Verdana", 9, true));
    const char* sd[3] = {"Medium", "Hard", "Crazy!"};
    for (int i = 0; i <= 2; ++i) {
        Label_misdiff[i] = make_label(pbox_storymenu, 118 + 64 * i, 11, 58, 20, sd[i], platform::kWhite, font("Verdana", 9, true));
        Label_misdiff[i]->set_alignment(platform::kAlignCentre);
    }
    // The frame sits at its word's top, where the word's first row of ink begins: it is only
    // as tall as the word, so the word does not look pushed up against it.
    Shape_misdiff = own(new Shape(pbox_storymenu, 114, 11, 66, 17, Shape::kRoundedRectangle));
    Shape_misdiff->set_border_colour(rgb(255, 255, 0));

    Label_pmsg = make_label(b, 10, 5, 400, 40, "", rgb(255, 255, 0), font("Impact", 20));
    Label_pmsg->set_visible(false);

    Shape_pawn2 = own(new Shape(b, -30, -30, 25, 25, Shape::kCircle));
    Shape_pawn2->set_visible(false);
    Shape_rad = own(new Shape(b, -30, -30, 30, 30, Shape::kCircle));
    Shape_rad->set_visible(false);

    for (int i = 0; i <= 24; ++i) {
        gridline[i] = own(new platform::Line(b, -1, 1, -1, 10, rgb(255, 0, 0)));
        gridline[i]->set_visible(false);
    }
    Shape_cursor = own(new Shape(b, -100, -100, 84, 80, Shape::kRectangle));
    Shape_cursor->set_border_colour(rgb(255, 255, 0));
    Shape_cursor->set_border_width(2);
    Shape_cursor->set_visible(false);

    for (int i = 0; i <= 20; ++i) {
        shape_fwa[i] = own(new platform::Line(b, 0, 0, 0, 0, platform::kWhite));
        shape_fwa[i]->set_visible(false);
        Shape_fwb[i] = own(new Shape(b, 0, 0, 10, 10, Shape::kCircle));
        Shape_fwb[i]->set_border_style(Shape::kBorderDashDotDot);
        Shape_fwb[i]->set_visible(false);
    }

    // The transition covers lie above everything else on the board.
    for (int i = 0; i <= 9; ++i) {
        Shape_pane[i] = own(new Shape(b, 42 * i, -1, 43, 322, Shape::kRectangle));
        Shape_pane[i]->set_fill_style(Shape::kFillSolid);
        Shape_pane[i]->set_fill_colour(platform::kWhite);
        Shape_pane[i]->set_back_opaque(true);
        Shape_pane[i]->set_back_colour(platform::kWhite);
        Shape_pane[i]->set_border_style(Shape::kBorderTransparent);
        Shape_pane[i]->set_visible(false);
    }
}

void MainForm::create_panels() {
    // The frame is the ending panel's dark blue: each ending page starts in the frame's colour.
    Shape_box = own(new Shape(this, 250, 430, 320, 160, Shape::kRoundedRectangle));
    Shape_box->set_back_colour(kEndingPanelBlue);
    Shape_box->set_back_opaque(true);
    for (int i = 0; i <= 2; ++i) {
        pbox_box[i] = own(new PictureBox(this, 255, 435, 310, 150, PictureBox::kFixedSingle, rgb(0x2B, 0x1B, 0x3D)));
        pbox_box[i]->set_auto_redraw(true);
    }
    const FontDesc panel = font("Verdana", 8, true);

    // Panel 0: the story-ending text and its button. Only the panel's top 74 pixels come into
    // view, so both panels keep their controls there.
    pbox_box[0]->set_back_colour(kEndingPanelBlue);
    pbox_box[0]->clear();
    Label_endstory = make_label(pbox_box[0], 10, 6, 225, 62, "", kEndingPanelBlue, font("Comic Sans MS", 10, true));
    shape_btb0 = own(new Shape(pbox_box[0], 245, 22, 55, 28, Shape::kRoundedRectangle));
    shape_btb0->set_fill_style(Shape::kFillSolid);
    shape_btb0->set_fill_colour(rgb(255, 255, 132));
    Label_btb0 = make_label(pbox_box[0], 245, 27, 55, 20, ">>", rgb(255, 128, 0), panel);
    Label_btb0->set_alignment(platform::kAlignCentre);

    // Panel 1: the fireworks controls.
    Label7 = make_label(pbox_box[1], 10, 3, 100, 16, "COLOR", platform::kWhite, panel);
    pbox_pal = own(new PictureBox(pbox_box[1], 10, 21, 160, 30, PictureBox::kNoBorder));
    pbox_pal->set_picture(form_clip().palette);
    pbox_pal->set_tool_tip("Click and drag to choose your fireworks color ");
    Label2 = make_label(pbox_box[1], 185, 3, 50, 16, "TOTAL", platform::kWhite, panel);
    Label_fwtotal = make_label(pbox_box[1], 235, 0, 40, 22, "11", rgb(255, 255, 0), font("Impact", 12));
    Label_fwtotal->set_tool_tip("Number of simultaneous fireworks");
    for (int i = 0; i <= 1; ++i) {
        Shape_btc[i] = own(new Shape(pbox_box[1], 185 + 32 * i, 22, 28, 28, Shape::kRoundedRectangle));
        Shape_btc[i]->set_fill_style(Shape::kFillSolid);
        Shape_btc[i]->set_fill_colour(rgb(191, 255, 255));
        Label_btc[i] = make_label(pbox_box[1], 185 + 32 * i, 27, 28, 20, i == 0 ? "<" : ">", rgb(0x2B, 0x1B, 0x3D), panel);
        Label_btc[i]->set_alignment(platform::kAlignCentre);
    }
    shape_btb1 = own(new Shape(pbox_box[1], 252, 22, 50, 28, Shape::kRoundedRectangle));
    shape_btb1->set_fill_style(Shape::kFillSolid);
    shape_btb1->set_fill_colour(rgb(255, 255, 132));
    Label_btb1 = make_label(pbox_box[1], 252, 27, 50, 20, "menu", rgb(255, 128, 0), panel);
    Label_btb1->set_alignment(platform::kAlignCentre);

    // Panel 2: the bonus chooser.
    // The chooser stops with its top 74 pixels above the window's bottom edge: all three
    // choices must lie within them.
    Label8 = make_label(pbox_box[2], 95, 4, 200, 16, "CHOOSE YOUR BONUS", rgb(255, 255, 0), panel);
    const char* bonus[3] = {"(1) Clear all my misses", "(2) Max allowed misses +1", "(3) Timer +5 seconds"};
    for (int i = 0; i <= 2; ++i) {
        Label_btype[i] = make_label(pbox_box[2], 95, 23 + 16 * i, 200, 16, bonus[i], rgb(191, 191, 255), panel);
    }
}

void MainForm::wire_events() {
    on_query_unload = [this](std::int16_t& cancel) { Form_Unload(cancel); };
    Command2->on_click = [this] { Command2_Click(); };
    Command3->on_click = [this] { Command3_Click(); };
    Command4->on_click = [this] { Command4_Click(); };
    on_key_down = [](int key, int shift) { Form_KeyDown(key, shift); };
    on_key_press = [](int ascii) { Form_KeyPress(ascii); };
    pbox_main->on_mouse_move = [](const platform::MouseArgs& a) { pbox_main_MouseMove(a); };
    pbox_main->on_mouse_down = [](const platform::MouseArgs& a) { pbox_main_MouseDown(a); };
    pbox_main->on_mouse_up = [](const platform::MouseArgs& a) { pbox_main_MouseUp(a); };
    pbox_main->on_click = [] { pbox_main_Click(); };
    Label_misses->on_click = [] { Label_misses_Click(); };
    Label_score->on_dblclick = [] { Label_score_DblClick(); };
    Label_timer->on_dblclick = [] { Label_timer_DblClick(); };
    Label_timer->set_tool_tip("double-click to speed up");
    Pbox_hint->on_click = [] { Pbox_hint_Click(); };
    Label_LEVEL->on_click = [] { Label_LEVEL_Click(); };
    Img_changebg->on_click = [] { Img_changebg_Click(); };
    for (int i = 0; i <= 5; ++i) {
        Label_bt[i]->on_mouse_down = [i](const platform::MouseArgs&) { Label_bt_MouseDown(i); };
        Label_bt[i]->on_mouse_up = [i](const platform::MouseArgs&) { Label_bt_MouseUp(i); };
        Label_bt[i]->on_click = [i] { Label_bt_Click(i); };
        Label_mi[i]->on_mouse_down = [i](const platform::MouseArgs& a) { Label_mi_MouseDown(i, a); };
        Label_mi[i]->on_mouse_up = [i](const platform::MouseArgs&) { Label_mi_MouseUp(i); };
        Label_mi[i]->on_click = [i] { Label_mi_Click(i); };
    }
    for (int i = 0; i <= 4; ++i) Label_midiff[i]->on_click = [i] { Label_midiff_Click(i); };
    for (int i = 0; i <= 2; ++i) {
        Label_misdiff[i]->on_click = [i] { Label_misdiff_Click(i); };
        Label_btype[i]->on_mouse_down = [i](const platform::MouseArgs&) { Label_btype_MouseDown(i); };
        Label_btype[i]->on_mouse_up = [i](const platform::MouseArgs&) { Label_btype_MouseUp(i); };
    }
    Label_btb0->on_mouse_down = [](const platform::MouseArgs&) { Label_btb_MouseDown(0); };
    Label_btb0->on_mouse_up = [](const platform::MouseArgs&) { Label_btb_MouseUp(0); };
    Label_btb1->on_mouse_down = [](const platform::MouseArgs&) { Label_btb_MouseDown(1); };
    Label_btb1->on_mouse_up = [](const platform::MouseArgs&) { Label_btb_MouseUp(1); };
    for (int i = 0; i <= 1; ++i) {
        Label_btc[i]->on_mouse_down = [i](const platform::MouseArgs&) { Label_btc_MouseDown(i); };
        Label_btc[i]->on_mouse_up = [i](const platform::MouseArgs&) { Label_btc_MouseUp(i); };
    }
    // The ending, the fireworks show and the golden castle that opens it.
    Label_btb0->on_click = [] { Label_btb_Click(0); };
    Label_btb1->on_click = [] { Label_btb_Click(1); };
    for (int i = 0; i <= 1; ++i) Label_btc[i]->on_click = [i] { Label_btc_Click(i); };
    // Pressed again and again to count the shells up or down and to page through the ending:
    // a quick second press is one more step, not a double-click.
    Label_btb0->set_counts_every_press(true);
    for (platform::Label* b : Label_btc) b->set_counts_every_press(true);
    pbox_pal->on_mouse_move = [](const platform::MouseArgs& a) { pbox_pal_MouseMove(a); };
    Img_bgcastle->on_click = [] { Img_bgcastle_Click(); };
    Timer_fw.on_tick = [] { Timer_fw_Timer(); };
    Timer_gamewon.on_tick = [] { Timer_gamewon_Timer(); };
    Timer_pane.on_tick = [] { Timer_pane_Timer(); };
    // The side panels and the bonus choices.
    Timer_box.on_tick = [] { Timer_box_Timer(); };
    for (int i = 0; i <= 2; ++i) Label_btype[i]->on_click = [i] { Label_btype_Click(i); };
    Timer_pmsg.on_tick = [] { Timer_pmsg_Timer(); };
    Timer_timer.on_tick = [] { Timer_timer_Timer(); };
    Timer_gameover.on_tick = [] { Timer_gameover_Timer(); };
    Timer_ansclose.on_tick = [] { Timer_ansclose_Timer(); };

    // Story: the start screen, the dice, the walk and the pawn.
    Timer_menu.on_tick = [] { modes::Timer_menu_Timer(); };
    Timer_dice.on_tick = [] { modes::Timer_dice_Timer(); };
    Timer_walk.on_tick = [] { modes::Timer_walk_Timer(); };
    Timer_pawn.on_tick = [] { modes::Timer_pawn_Timer(); };
    for (int i = 0; i <= 4; ++i) Img_hotspot[i]->on_click = [i] { modes::Img_hotspot_Click(i); };
    pbox_dice->on_click = [] { modes::pbox_dice_Click(); };
    for (int d = core::direction::kLeft; d <= core::direction::kDown; ++d)
        bt_arrow[d]->on_click = [d] { modes::bt_arrow_Click(d); };
}

std::array<platform::Timer*, 12> MainForm::timers() {
    return {&Timer_menu, &Timer_pane,  &Timer_pawn, &Timer_pmsg,     &Timer_timer,    &Timer_walk,
            &Timer_fw,   &Timer_box,   &Timer_dice, &Timer_gameover, &Timer_gamewon, &Timer_ansclose};
}

void MainForm::Form_Load() {
    for (int i = 0; i <= 11; ++i) Combo1->add_item(" " + std::to_string(i));
    Combo1->set_list_index(0);

    std::int16_t cols = 2, rows = 2;
    core::set_grid(cols, rows);
    init_game();
    draw_bg(core::core_state().bg_index);
    arrange_controls();
    goto_mainmenu();
    core::core_state().debugmode = false;
    update_debugmode();
}

void MainForm::arrange_controls() {
    // The drawing area must hold the whole 420-pixel picture inside the 2-pixel border.
    pbox_main->set_width(424);
    pbox_storymenu->set_border_style(PictureBox::kNoBorder);
    set_client_size(kClientW, kClientH);

    Label_msgbox->move(248, 335);
    Label_msgbox->set_width(320);

    Shape_box->move(250, 430);
    for (auto* box : pbox_box) box->move(255, 435);

    // The gift box of the bonus chooser, drawn masked.
    PictureStore& clip = form_clip();
    pbox_box[2]->blit(10, 10, 75, 60, clip.pbox_res, 75, 200, platform::RasterOp::And);
    pbox_box[2]->blit(10, 10, 75, 60, clip.pbox_res, 0, 200, platform::RasterOp::Paint);

    Img_changebg->move(220, 45);

    Pbox_hint->set_enabled(true);
    Pbox_hint->set_visible(false);
    Pbox_hint->set_width(25);
    Pbox_hint->set_height(30);
    Pbox_hint->move(pbox_main->left() + 166, pbox_main->top() + 136);

    layout_menu_buttons();

    Label_pmsg->move(10, 5);
    for (auto* box : pbox_box) box->set_border_style(PictureBox::kNoBorder);

    for (int i = 0; i <= 5; ++i) {
        Label_mi[i]->move(160, 165 + 24 * i);
        Label_mi[i]->set_transparent(true);
    }
    for (int i = 0; i <= 4; ++i) {
        Label_midiff[i]->move(60 + 60 * i, 200);
        pbox_cell[i]->set_visible(false);
        pbox_cell[i]->set_height(20);
        pbox_cell[i]->set_width(20);
    }
    for (auto* s : Shape_bt) s->set_fill_colour(rgb(255, 255, 132));

    // Frames of the secret icons: rows 1 and 2 of the strip.
    for (int i = 0; i <= 10; ++i) {
        pbox_icosecret->draw().box(26 * i, 26, 26 * i + 25, 51, platform::kBlack, false);
        pbox_icosecret->draw().box(26 * i, 52, 26 * i + 25, 77, platform::kBlack, false);
    }

    const int mx = Label_msgbox->left() + 6;
    int my = Label_msgbox->top() + 4;
    for (int i = 0; i <= 3; ++i) {
        Label_msg[i]->move(mx, my);
        Label_msg[i]->set_width(Label_msgbox->width() - 10);
        my += 18;
    }

    const std::string cr2 = "\r\r";
    Label_story->set_caption(
        "There are 10 secret levels scattered across PuzzleLand. Uncover their location and solve "
        "them to open up the biggest secret of the all..." + cr2 +
        "THE DARK CASTLE OF PUZZLELAND!" + cr2 +
        "Enter this castle and solve the hardest puzzle yet before the time runs out... and win the game!" +
        cr2 + "GOOD LUCK!");
    Label_story->set_width(360);
    Label_story->set_height(250);

    for (int d = core::direction::kLeft; d <= core::direction::kDown; ++d) {
        bt_arrow[d]->set_picture(clip.pclip_arrow.cell(d - core::direction::kLeft));
        bt_arrow[d]->set_caption("");
    }

    for (int i = 0; i <= 9; ++i) {
        Shape_pane[i]->set_width(43);
        Shape_pane[i]->set_height(322);
        Shape_pane[i]->move(42 * i, -1);
    }

    for (int i = 0; i <= 4; ++i) Label_midiff[i]->set_caption(core::core_state().diff_table[static_cast<std::size_t>(i)].name);

    Img_bgcastle->move(50, 130);

    const std::pair<Label*, Label*> twins[4] = {{Label_LEVEL, Label_LEVELS},
                                                {Label_round, label_rounds},
                                                {Label_timer, Label_timers},
                                                {Label_score, Label_scores}};
    for (const auto& [value, twin] : twins) {
        twin->set_width(value->width());
        twin->set_height(value->height());
        twin->set_font_size(value->font().size);
    }
    constexpr int kShadowOffset = 3;
    for (const auto& [value, twin] : twins) twin->move(value->left(), value->top() + kShadowOffset);
    Label_missest->move(Label_misses->left(), Label_misses->top() + kShadowOffset);
}

void MainForm::update_debugmode() {
    const bool on = core::core_state().debugmode;
    Label_debug1->set_visible(on);
    Label_debug2->set_visible(on);
    Combo1->set_visible(on);
}

void MainForm::Form_Unload(std::int16_t& cancel) {
    cancel = static_cast<std::int16_t>(confirm_exit());
    if (cancel == 0) core::save_and_quit();
}

void MainForm::Command2_Click() { core::check_highscore(); }
void MainForm::Command3_Click() { modes::start_story(); }
void MainForm::Command4_Click() {
    modes::hide_pawn();
    modes::draw_storymap();
    pbox_main->set_auto_redraw(false);
}

int confirm_exit() {
    if (core::core_state().debugmode) return 0;
    const int answer = msgbox_over_round("Are you sure you want to exit Quorvel?", platform::kMsgYesNoQuestion,
                                         "Exit Game");
    return answer == platform::kMsgResultNo ? 1 : 0;
}

int msgbox_over_round(const std::string& text, int style, const std::string& title) {
    // The box runs events: a transition behind it may start a round, or a round may end. So the
    // clock is not stopped and started again here, which would undo what happened behind the box;
    // its ticks count for nothing while the box is up.
    struct Hold {
        Hold() { ++screen().round_clock_holds; }
        ~Hold() { --screen().round_clock_holds; }
    } hold;
    return platform::msgbox(text, style, title);
}

MainForm& mainform() { return *instance(); }
bool mainform_exists() { return instance() != nullptr; }
MainForm& create_mainform() {
    auto* made = new MainForm;
    delete std::exchange(instance(), made);
    return *made;
}
void destroy_mainform() {
    delete std::exchange(instance(), nullptr);
}

}  // namespace ui
