// What the main window's screens share: the transition words, the scenes' ticks and the fireworks.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/state_words.h"
#include "platform/colour.h"

namespace ui {

struct ScreenState {
    // The screen transition: the state word before the running half, its word and strip.
    core::StateWord saved_state = core::StateWord::Starting;
    core::PaneWord pane_word = core::PaneWord::None;
    std::int16_t pane_step = 0;

    // The pop-up banner.
    std::int16_t pmsg_tick = 0;
    std::uint8_t pmsg_blinks = 0;

    // The game-over scene's tick counter.
    std::int16_t gameover_frame = 0;

    // Message boxes up over the game that hold the round clock: while any is, its ticks pass
    // without counting, whatever starts or stops it behind them.
    int round_clock_holds = 0;

    // Every character typed in the main window, where the hidden words are looked for.
    std::string typed;
    // Where the help window opens (-1: its first question) and the Hall of Fame row to mark.
    std::int16_t help_question = -1;
    std::int16_t hof_rank_new = 0;
    // Upper end of the fireworks burst heights.
    std::int16_t fw_hmax = 0;

    // The fireworks shells, slots 1..fw_count of 0..20. A shell with progress 0 is launched at
    // the next tick; it rises to its height, then bursts until the radius reaches its size.
    std::array<std::int16_t, 21> fw_x{};
    std::array<std::int16_t, 21> fw_height{};
    std::array<std::uint8_t, 21> fw_size{};
    std::array<std::int16_t, 21> fw_speed{};
    std::array<std::int16_t, 21> fw_progress{};
    std::array<std::int16_t, 21> fw_bx{};
    std::array<std::int16_t, 21> fw_by{};
    // What the next launches use: set by the show and by the game-won scene.
    std::int16_t fw_ground_y = 320;
    std::int16_t fw_xmin = 20;
    std::int16_t fw_xmax = 400;
    std::int16_t fw_hmin = 80;
    std::uint8_t fw_sizemax = 40;
    bool fw_randcolour = true;
    std::uint8_t fw_red = 150;
    std::uint8_t fw_green = 150;
    std::uint8_t fw_blue = 150;
    std::uint8_t fw_count = 11;
    // The height guide borrows grid line 0; its own colour comes back when the guide goes.
    bool guide_shown = false;
    platform::Colour guide_colour = 0;

    // The game-won scene: its tick (1..100, then round again from 20), the ending page shown
    // and its fade step, the two swaying banners and the jumping pawn.
    std::int16_t gamewon_tick = 0;
    std::int16_t ending_fade = 0;
    std::uint8_t ending_page = 1;
    std::int16_t banner1_x = 27;
    std::int16_t banner2_x = 27;
    std::int16_t banner1_dx = -6;
    std::int16_t banner2_dx = 6;
    std::int16_t jump_x = 0;
    std::int16_t jump_y = 260;
    std::int16_t jump_step = 0;

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
