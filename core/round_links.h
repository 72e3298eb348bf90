// What the screens and the modes lend the round engine at start-up. The engine lies below them:
// it reaches a screen or a mode only through the interface declared here and the steps each
// mode registers, the way the main window lends it the board (core/board.h).
#pragma once

#include <cstdint>
#include <string>

#include "core/state_words.h"

namespace core {

// The HUD values left of the board. Level, round, score and timer are drawn twice, white over
// a black twin; the misses and their limit once.
enum class HudValue : std::uint8_t { Level, Round, Score, Timer, Misses, MissLimit };

// show_bt's index of the "end game" button, shown through a whole game, and of the pause
// button, shown while a round is in play.
constexpr int kEndGameButton = 0;
constexpr int kPauseButton = 5;
// show_pmsg's first argument: put the pop-up message up with its text, blinking; or take it
// down, its text and blinks unused.
constexpr int kPmsgShow = 1;
constexpr int kPmsgHide = 0;

// What the screens and the modes above the engine do for it. The main window owns its own
// (ui/engine_links.cpp), lends it when it is made and takes it back when it goes; until then,
// after it, and in runs without a window (the settings alone, the tools), one that does nothing
// stands in, so that no caller asks whether there is one.
class Screens {
public:
    virtual ~Screens() = default;

    virtual void write_hud(HudValue value, const std::string& text) = 0;

    // The round clock ticks once a second while a round runs.
    virtual void run_round_clock(bool running) = 0;
    virtual void set_round_clock_interval(int ms) = 0;
    // Slides a found piece off its place.
    virtual void start_found_slide() = 0;

    virtual void show_bt(int index, int flag) = 0;
    virtual void show_pmsg(int show, const std::string& text, int blinks) = 0;
    virtual void pane_close(PaneWord word) = 0;
    virtual void end_game() = 0;

    // The Story map's message panel, a mode's: in Linear mode it is hidden and its lines wait there.
    virtual void show_msg(const std::string& text) = 0;
    virtual void hide_msgbox() = 0;

    // The Hall of Fame's windows. The name entry fills slot 0 of the table; false when there is
    // no one to ask.
    virtual bool show_form_entername() = 0;
    virtual void show_form_topten() = 0;
    virtual bool form_topten_open() const = 0;
    virtual void set_topten_row(int i, const std::string& name, const std::string& score,
                                const std::string& mode) = 0;
};

// The screens lent now.
Screens& screens();
void lend_screens(Screens& lent);
// Back to doing nothing, unless another has been lent since; true when these were the lent ones.
bool take_back_screens(const Screens& lent);

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
// The steps of the mode being played (core_state().game_mode); all empty at the main menu.
const ModeSteps& mode_steps();

}  // namespace core
