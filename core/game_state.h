// The shared round state of the game, one instance reachable from anywhere.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/state_words.h"
#include "core/tables.h"

namespace core {

struct CoreState {
    // The state word of the main window: set by the step that enters a screen, read by every
    // handler and by the grid.
    StateWord game_state = StateWord::Starting;
    // The game in play, whose steps the round engine takes (core/round_links.h).
    GameMode game_mode = GameMode::Menu;
    // Typed in secret: shows where the pieces belong and lets the dice be chosen.
    bool debugmode = false;

    // Board grid and cursor cell.
    std::int16_t grid_cols = 0;
    std::int16_t grid_rows = 0;
    std::int16_t board_w = 0;
    std::int16_t board_h = 0;
    std::int16_t cell_w = 0;
    std::int16_t cell_h = 0;
    std::int16_t cur_col = 0;
    std::int16_t cur_row = 0;

    // Round counters. Misses count over the whole game; the score is 32-bit.
    std::int32_t score = 0;
    std::int16_t round_no = 0;
    std::int16_t time_limit = 20;       // seconds given at each round start
    std::int16_t round_time_left = -1;  // -1: no clock
    std::uint8_t misses = 0;
    std::uint8_t miss_limit = 5;
    std::int16_t level = 0;
    std::int16_t level_rounds = 0;
    std::int32_t linear_wins = 0;
    std::int16_t linear_quota = 0;
    std::int16_t level_up_chance = 0;
    DiffRec cur_diff;  // the Linear difficulty in play
    // What the next round is: a story_round kind in a Story game, a linear_round kind in a
    // Linear game (state_words.h).
    std::int16_t round_kind = linear_round::kNormal;
    RoundResult last_round_result = RoundResult::None;
    std::uint8_t round_cols = 5;
    std::uint8_t round_rows = 4;
    bool castle_on = false;
    bool castle_won = false;

    // The pieces of the round, slots 1..tgt_count (at most 4).
    std::array<std::int16_t, 6> tgt_col{};
    std::array<std::int16_t, 6> tgt_row{};
    std::array<std::int16_t, 6> tgt_found{};
    std::int16_t tgt_count = 1;
    // Colours of a found cell, darkest outside; made per round.
    std::array<std::int32_t, 21> glow_colour{};
    // The found piece that slides away, and the slide's step.
    std::int16_t ans_index = 0;
    std::int16_t ans_frame = 0;
    std::string tmp;  // scratch text: the debug quota line

    // The Story map and its eleven square records, read from "mappath.dat". Columns 0..22 and
    // rows 0..17, the border kept 0; records in slots 1..11.
    std::array<std::array<std::uint8_t, 18>, 23> map_grid{};
    std::array<std::uint8_t, 13> anchor_col{};
    std::array<std::uint8_t, 13> anchor_row{};
    std::array<std::string, 13> secret_text;
    std::array<std::string, 13> secret_pic;
    std::array<std::string, 13> secret_dirs;
    // False when the map file is missing or unusable: Story mode is then unavailable, and
    // map_problem says why (naming the file).
    bool story_available = false;
    std::string map_problem;

    // Praise quotes (slots 1..99) and help lines (slots 1..239).
    std::array<std::string, 101> quote;
    std::uint8_t quote_count = 0;
    std::array<std::string, 241> faq_line;
    std::uint8_t faq_count = 0;

    // Tables built at start-up and read-only afterwards.
    std::array<DiffRec, 7> diff_table;             // Linear difficulties 0..4
    std::array<StoryDiffRec, 6> story_diff_table;  // Story difficulties 0..2
    StoryDiffRec cur_story_diff;
    std::array<std::string, 21> char_name;         // 0 "?", characters 1..18
    std::array<std::string, 21> char_saying;
    std::array<std::uint8_t, 11> pawn_bob{};       // idle bounce, frames 0..7
    std::array<std::uint8_t, 21> jump_arc{};       // jump heights, 0..11
    std::string dir_letters;                       // "LRUD": direction numbers 1..4
    std::array<std::int16_t, 5> dir_dx{};
    std::array<std::int16_t, 5> dir_dy{};
    std::string app_name;                          // the settings' application name

    // The Hall of Fame: slots 1..10 best first; slot 0 the entry being made.
    std::array<HofRec, 11> hof_table;
    // Entries this run has placed that are not on disk yet: a save places them in the table as
    // the file holds it then, so that another copy's entries, equal ones included, stay.
    std::vector<HofRec> hof_unsaved;
    // Stories this run has won that are not on disk yet: a save adds them to the count the file
    // holds then, so that another copy's wins stay too.
    int stories_won_unsaved = 0;

    // Remembered between runs.
    std::int16_t bg_index = 0;     // background scheme 0..9
    std::int16_t stories_won = 0;
};

CoreState& core_state();

}  // namespace core
