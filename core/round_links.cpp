// What the screens and the modes lend the round engine at start-up.
#include "core/round_links.h"

#include <array>
#include <cassert>

namespace core {

namespace {

// One slot per game mode: the main menu, Linear, Story and the fireworks show.
constexpr std::size_t kModes = static_cast<std::size_t>(GameMode::Fireworks) + 1;

std::array<ModeSteps, kModes>& registered() {
    static std::array<ModeSteps, kModes> steps{};
    return steps;
}

}  // namespace

ScreenLinks& screen_links() {
    static ScreenLinks links;
    return links;
}

void register_mode_steps(GameMode game_mode, const ModeSteps& steps) {
    const auto slot = static_cast<std::size_t>(game_mode);
    assert(slot < kModes && "a game mode past the last");
    if (slot < kModes) registered()[slot] = steps;
}

const ModeSteps& mode_steps() {
    static const ModeSteps none{};
    const GameMode* mode = screen_links().game_mode;
    if (mode == nullptr) return none;
    const auto slot = static_cast<std::size_t>(*mode);
    return slot < kModes ? registered()[slot] : none;
}

}  // namespace core
