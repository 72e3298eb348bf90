// The Story characters: the name a player types to pick one and the line it says when picked.
#pragma once

#include <array>
#include <cstddef>

namespace core {

struct CharacterRow {
    const char* name;    // lower-case letters and digits; slot 0 is "?", a random pick
    const char* saying;  // one line for the message panel; empty for slot 0
};

// Slot c is drawn with row c - 1 of the pawn sheet, so the order here must follow the art.
constexpr std::size_t kCharacterRows = 19;
const std::array<CharacterRow, kCharacterRows>& character_rows();

// The longest saying the message panel shows on one line.
constexpr std::size_t kMaxSayingLength = 42;

}  // namespace core
