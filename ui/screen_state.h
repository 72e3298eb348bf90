// What the main window's screens share: the mode, debug mode and transition words.
#pragma once

#include <cstdint>
#include <string>

namespace ui {

struct ScreenState {
    std::int16_t game_mode = 0;   // 0 main menu, 1 Linear, 2 Story, 3 fireworks show
    std::int16_t debugmode = 0;   // true is -1, false 0

    // The screen transition: the state word before the running half, its word and strip.
    std::string saved_state;
    std::string pane_word;
    std::int16_t pane_step = 0;

    // The pop-up banner.
    std::int16_t pmsg_tick = 0;
    std::uint8_t pmsg_blinks = 0;

    // The game-over scene's tick counter.
    std::int16_t gameover_frame = 0;

    // Every character typed in the main window, where the hidden words are looked for.
    std::string typed;
    // Where the help window opens (-1: its first question) and the Hall of Fame row to mark.
    std::int16_t help_question = -1;
    std::int16_t hof_rank_new = 0;
    // Upper end of the fireworks burst heights.
    std::int16_t fw_hmax = 0;

    // The side panel slide: frame top at step 0, move per tick, moves of the slide, moves made
    // (0 when no slide runs) and the sliding panel.
    std::int16_t panel_y0 = 0;
    std::int16_t panel_dy = 0;
    std::uint8_t panel_steps = 0;
    std::uint8_t panel_step = 0;
    std::uint8_t panel_sel = 0;
};

ScreenState& screen();

}  // namespace ui
