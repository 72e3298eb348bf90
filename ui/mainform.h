// The main window: every control of the game's one visible window, its start-up and its end.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/picture_box.h"
#include "platform/timer.h"

namespace core {
class Screens;
}

namespace ui {

// Controls keep the game's names so that the handlers read like the game they implement.
// Arrays are indexed as the game indexes them (from 0).
class MainForm : public platform::Form {
public:
    MainForm();
    ~MainForm() override;

    // Start-up, run once after the window is made; then shown by the caller.
    void Form_Load();
    // The close box: cancel = 1 keeps the window open.
    void Form_Unload(std::int16_t& cancel);
    void arrange_controls();
    void update_debugmode();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    // The board and its work pictures.
    platform::PictureBox* pbox_main;
    platform::PictureBox* pbox_temp;
    platform::PictureBox* pbox_temp2;
    std::array<platform::PictureBox*, 5> pbox_cell{};

    // The HUD: captions, values and their drop-shadow twins (each twin lies below its value).
    platform::Label* Label1;  // "LEVEL"
    platform::Label* Label3;  // "ROUND"
    platform::Label* Label6;  // "SCORE"
    platform::Label* Label4;  // "TIMER"
    platform::Label* Label5;  // "MISSES"
    platform::Label* Label_LEVELS;
    platform::Label* label_rounds;
    platform::Label* Label_scores;
    platform::Label* Label_timers;
    platform::Label* Label_missest;
    platform::Label* Label_LEVEL;
    platform::Label* Label_round;
    platform::Label* Label_score;
    platform::Label* Label_timer;
    platform::Label* Label_misses;

    // Title screen and menus (on the board).
    std::array<platform::Label*, 6> Label_mi{};
    platform::Shape* Shape_menucs;
    std::array<platform::Label*, 5> Label_midiff{};
    std::array<platform::Label*, 5> Label_linear{};
    platform::Shape* Shape_storymenu;
    platform::PictureBox* pbox_storymenu;
    platform::Label* Label_misdiff2;
    std::array<platform::Label*, 3> Label_misdiff{};
    platform::Shape* Shape_misdiff;
    platform::Image* Img_bgcastle;
    platform::Image* Img_changebg;
    std::array<platform::Image*, 5> Img_hotspot{};
    platform::Label* Label_ver;
    platform::Label* Label_story;

    // Bottom buttons: a caption over a rounded shape.
    std::array<platform::Shape*, 6> Shape_bt{};
    std::array<platform::Label*, 6> Label_bt{};

    // Round and map furniture.
    platform::Label* Label_pmsg;
    platform::Label* Label_msgbox;
    std::array<platform::Label*, 4> Label_msg{};
    platform::Shape* Shape_cursor;
    platform::Shape* Shape_pawn2;
    platform::Shape* Shape_rad;
    std::array<platform::Line*, 25> gridline{};
    std::array<platform::Shape*, 10> Shape_pane{};
    std::array<platform::Shape*, 21> Shape_fwb{};
    std::array<platform::Line*, 21> shape_fwa{};
    platform::PictureBox* Pbox_hint;
    platform::PictureBox* pbox_dice;
    platform::PictureBox* pbox_icosecret;
    std::array<platform::Button*, 5> bt_arrow{};

    // The sliding side panels and what they hold.
    platform::Shape* Shape_box;
    std::array<platform::PictureBox*, 3> pbox_box{};
    platform::Label* Label_btb0;  // panel 0's button caption
    platform::Shape* shape_btb0;
    platform::Label* Label_endstory;
    platform::PictureBox* pbox_pal;
    platform::Label* Label7;  // "COLOR"
    platform::Label* Label2;  // "TOTAL"
    platform::Label* Label_fwtotal;
    std::array<platform::Label*, 2> Label_btc{};
    std::array<platform::Shape*, 2> Shape_btc{};
    platform::Label* Label_btb1;
    platform::Shape* shape_btb1;
    platform::Label* Label8;  // "CHOOSE YOUR BONUS"
    std::array<platform::Label*, 3> Label_btype{};

    // Debug read-outs and developer buttons.
    platform::Label* Label_debug1;
    platform::Label* Label_debug2;
    platform::ComboBox* Combo1;
    platform::Button* Command2;
    platform::Button* Command3;
    platform::Button* Command4;

    // The twelve timers, all off at start.
    platform::Timer Timer_menu{5};
    platform::Timer Timer_pane{30};
    platform::Timer Timer_pawn{70};
    platform::Timer Timer_pmsg{100};
    platform::Timer Timer_timer{1000};
    platform::Timer Timer_walk{1};
    platform::Timer Timer_fw{5};
    platform::Timer Timer_box{20};
    platform::Timer Timer_dice{80};
    platform::Timer Timer_gameover{30};
    platform::Timer Timer_gamewon{15};
    platform::Timer Timer_ansclose{30};

    std::array<platform::Timer*, 12> timers();

    template <typename T>
    T* own(T* control) {
        owned_.emplace_back(control);
        return control;
    }

private:
    std::vector<std::unique_ptr<platform::Control>> owned_;
    // What the round engine reaches of this window, lent while the window lives.
    std::unique_ptr<core::Screens> screens_;
    void create_controls();
    void create_board_controls();
    void create_panels();
    void wire_events();
};

// The one main window; created by create_mainform, alive until the program ends.
MainForm& mainform();
bool mainform_exists();
MainForm& create_mainform();
void destroy_mainform();  // tests only: the next create_mainform starts afresh

// Asks whether the player really wants to leave: 1 when they refuse, 0 otherwise.
int confirm_exit();

// A message box that may come up over a running round: the round clock stands still while it is
// up (a round started behind it too) and runs on once it is answered, so that no round can run
// out behind it.
int msgbox_over_round(const std::string& text, int style, const std::string& title = "");

}  // namespace ui
