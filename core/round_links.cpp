// What the screens and the modes lend the round engine at start-up.
#include "core/round_links.h"

#include <array>

namespace core {

namespace {

// One slot per game mode: the main menu, Linear, Story and the fireworks show.
std::array<ModeSteps, 4>& registered() {
    static std::array<ModeSteps, 4> steps{};
    return steps;
}

}  // namespace

ScreenLinks& screen_links() {
    static ScreenLinks links;
    return links;
}

void register_mode_steps(GameMode game_mode, const ModeSteps& steps) {
    const auto slot = static_cast<std::size_t>(game_mode);
    if (slot < registered().size()) registered()[slot] = steps;
}

const ModeSteps& mode_steps() {
    static const ModeSteps none{};
    const GameMode* mode = screen_links().game_mode;
    if (mode == nullptr) return none;
    const auto slot = static_cast<std::size_t>(*mode);
    return slot < registered().size() ? registered()[slot] : none;
}

}  // namespace core
