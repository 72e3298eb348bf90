// The shared state of the two game modes.
#pragma once

#include <array>
#include <cstdint>

#include "core/state_words.h"

namespace modes {

// pawn_lastx and pawn_lasty while the pawn is not drawn in this game: nothing under it to put back.
constexpr std::int16_t kPawnNowhere = -99;

struct ModeState {
    // The message panel's last written line; -1 after clearing. A line written before the
    // first clearing goes to line 1.
    std::int16_t msg_line = 0;

    // The ten secret rounds and the castle, by their round kinds (core::story_round): square and
    // state (core::secret_state, also the row of the icon strip that shows it).
    std::array<std::uint8_t, 13> secret_col{};
    std::array<std::uint8_t, 13> secret_row{};
    std::array<std::int16_t, 13> secret_state{};

    // The character whose pawn walks the map (sprite row).
    std::uint8_t pawn_char = 0;
    std::int16_t pawn_col = 11;
    std::int16_t pawn_row = 8;

    // The difficulties chosen on the start screens.
    std::uint8_t linear_diff = 0;
    std::uint8_t story_diff = 0;

    // ---- Story start screen, dice, walking and pawn ----
    // Frame counter of the Story start screen: +2 per tick, back to 40 once past 120.
    std::int16_t menu_tick = 0;

    // The dice: the face shown while rolling (0 once stopped), the picture cell of each face,
    // and the squares still to walk in this trip.
    std::int16_t dice_face = 0;
    std::array<std::uint8_t, 7> dice_cell{};
    std::int16_t moves_left = 0;
    // The "?" twinkle over the castle's candidate squares: x of the frame in the icon strip,
    // and the secret under the pawn when the castle was unveiled, which gets no mark.
    std::int16_t secret_icon_frame = 0;
    std::uint8_t final_secret = 0;

    // Walking: the step being walked (a core::direction, kNone before one is chosen), the way
    // back to the square just left (kNone: any way allowed), and the slide's frame and pixel offset.
    std::int16_t walk_dir = core::direction::kNone;
    std::int16_t back_dir = core::direction::kNone;
    std::int16_t walk_tick = 0;
    std::int16_t walk_offx = 0;
    std::int16_t walk_offy = 0;

    // The pawn sprite: where it was last drawn (kPawnNowhere: nothing to put back), its idle
    // bounce frame (below 0 skips a tick's drawing) and the hint icon's frame (-1: no hint).
    std::int16_t pawn_lastx = kPawnNowhere;
    std::int16_t pawn_lasty = kPawnNowhere;
    std::int16_t pawn_frame = 0;
    std::int16_t hint_frame = -1;
};

ModeState& mode_state();

}  // namespace modes
