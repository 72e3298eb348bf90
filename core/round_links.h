// What the screens and the modes lend the round engine at start-up. The engine lies below them:
// it reaches a window control, a screen or a mode only through what is lent here, the way the
// main window lends it the board (core/board.h).
#pragma once

#include <cstdint>
#include <string>

#include "core/state_words.h"

namespace platform {
class Label;
class Timer;
}

namespace core {

// Filled in by the main window when it creates its controls; emptied when it goes.
struct ScreenLinks {
    // The HUD left of the board: each value is drawn twice, white over its black twin.
    platform::Label* level = nullptr;
    platform::Label* level_twin = nullptr;
    platform::Label* round = nullptr;
    platform::Label* round_twin = nullptr;
    platform::Label* score = nullptr;
    platform::Label* score_twin = nullptr;
    platform::Label* timer = nullptr;
    platform::Label* timer_twin = nullptr;
    platform::Label* misses = nullptr;
    platform::Label* miss_limit = nullptr;

    platform::Timer* round_clock = nullptr;  // one tick a second while a round runs
    platform::Timer* found_slide = nullptr;  // slides a found piece off its place

    // The screens' mode word, which the round limit sets back to the main menu.
    GameMode* game_mode = nullptr;
    const std::int16_t* debugmode = nullptr;

    void (*show_bt)(int index, int flag) = nullptr;
    void (*show_pmsg)(int show, const std::string& text, int blinks) = nullptr;
    void (*pane_close)(PaneWord word) = nullptr;
    void (*end_game)() = nullptr;
    // The map's message panel; in Linear mode it is hidden and its lines wait there.
    void (*show_msg)(const std::string& text) = nullptr;
    void (*hide_msgbox)() = nullptr;
    // The Hall of Fame's windows.
    void (*show_form_entername)() = nullptr;
    void (*show_form_topten)() = nullptr;
    bool (*form_topten_open)() = nullptr;
    void (*set_topten_row)(int i, const std::string& name, const std::string& score, const std::string& mode) =
        nullptr;
};

ScreenLinks& screen_links();

// A game mode's own steps in a puzzle round, registered by the mode; an empty step is skipped.
struct ModeSteps {
    void (*clear_map)() = nullptr;           // new_puzzle: the mode's things leave the board
    void (*leave_map)() = nullptr;           // play_puzzle, before the round is counted
    void (*set_up_round)() = nullptr;        // play_puzzle: grid, pieces and the picture
    bool (*grid_hidden)() = nullptr;         // start_puzzle_round: a picture shown without lines
    std::string (*level_text)(int level) = nullptr;  // show_level; the plain number without it
    void (*after_win)() = nullptr;           // win_round, unless the round limit ended the game
    void (*after_time_up)() = nullptr;       // round_time_up, before the round limit is tested
};

void register_mode_steps(GameMode game_mode, const ModeSteps& steps);
// The steps of the mode being played; all empty at the main menu.
const ModeSteps& mode_steps();

}  // namespace core
