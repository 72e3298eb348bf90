// What the screens and the modes lend the round engine at start-up.
#include "core/round_links.h"

#include <array>
#include <cassert>

#include "core/game_state.h"

namespace core {

namespace {

// One slot per game mode: the main menu, Linear, Story and the fireworks show.
constexpr std::size_t kModes = static_cast<std::size_t>(GameMode::Fireworks) + 1;

std::array<ModeSteps, kModes>& registered() {
    static std::array<ModeSteps, kModes> steps{};
    return steps;
}

class NoScreens final : public Screens {
public:
    void write_hud(HudValue, const std::string&) override {}
    void run_round_clock(bool) override {}
    void set_round_clock_interval(int) override {}
    void start_found_slide() override {}
    void show_bt(int, int) override {}
    void show_pmsg(int, const std::string&, int) override {}
    void pane_close(PaneWord) override {}
    void end_game() override {}
    void show_msg(const std::string&) override {}
    void hide_msgbox() override {}
    bool show_form_entername() override { return false; }
    void show_form_topten() override {}
    bool form_topten_open() const override { return false; }
    void set_topten_row(int, const std::string&, const std::string&, const std::string&) override {}
};

NoScreens& no_screens() {
    static NoScreens none;
    return none;
}

Screens*& lent_screens() {
    static Screens* lent = &no_screens();
    return lent;
}

}  // namespace

Screens& screens() { return *lent_screens(); }

void lend_screens(Screens& lent) { lent_screens() = &lent; }

bool take_back_screens(const Screens& lent) {
    if (lent_screens() != &lent) return false;
    lent_screens() = &no_screens();
    return true;
}

void register_mode_steps(GameMode game_mode, const ModeSteps& steps) {
    const auto slot = static_cast<std::size_t>(game_mode);
    assert(slot < kModes && "a game mode past the last");
    if (slot < kModes) registered()[slot] = steps;
}

const ModeSteps& mode_steps() {
    static const ModeSteps none{};
    const auto slot = static_cast<std::size_t>(core_state().game_mode);
    return slot < kModes ? registered()[slot] : none;
}

}  // namespace core
