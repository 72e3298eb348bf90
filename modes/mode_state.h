// The shared state of the two game modes.
#pragma once

#include <array>
#include <cstdint>

namespace modes {

struct ModeState {
    // The message panel's last written line; -1 after clearing. A line written before the
    // first clearing goes to line 1.
    std::int16_t msg_line = 0;

    // The ten secret rounds and the castle (slot 11): square and state (0 hidden, 1 revealed,
    // 2 won; the state is also the row of the icon strip that shows it).
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

    // Owned by the map, dice and walking code (declared here until they land)
    // The secret under the pawn when the castle was unveiled: the castle never goes there.
    std::uint8_t final_secret = 0;
    // Frame of the hint icon 0..5; -1 while no hint is on offer.
    std::int16_t hint_frame = -1;
    // Idle-bounce frame of the pawn; below 0 the next bounce tick draws nothing.
    std::int16_t pawn_frame = 0;
};

ModeState& state();

}  // namespace modes
