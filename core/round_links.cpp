// What the screens and the modes lend the round engine at start-up.
#include "core/round_links.h"

#include <array>

namespace core {

namespace {

// One slot per value of game_mode: 0 main menu, 1 Linear, 2 Story, 3 fireworks show.
std::array<ModeSteps, 4>& registered() {
    static std::array<ModeSteps, 4> steps{};
    return steps;
}

}  // namespace

ScreenLinks& screen_links() {
    static ScreenLinks links;
    return links;
}

void register_mode_steps(int game_mode, const ModeSteps& steps) {
    if (game_mode >= 0 && game_mode < static_cast<int>(registered().size())) {
        registered()[static_cast<std::size_t>(game_mode)] = steps;
    }
}

const ModeSteps& mode_steps() {
    static const ModeSteps none{};
    const std::int16_t* mode = screen_links().game_mode;
    if (mode == nullptr || *mode < 0 || *mode >= static_cast<int>(registered().size())) return none;
    return registered()[static_cast<std::size_t>(*mode)];
}

}  // namespace core
