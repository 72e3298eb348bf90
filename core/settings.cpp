// Saved settings: the Hall of Fame, the background and the stories won, kept between runs.
#include "core/settings.h"

#include <cmath>
#include <limits>
#include <string>

#include "core/game_state.h"
#include "core/rounding.h"
#include "core/scramble.h"
#include "platform/services.h"

namespace core {

namespace {

const char* const kGeneral = "general";
const char* const kTable = "t10";

std::string read(const char* section, const std::string& key, const std::string& def) {
    return platform::get_setting(state().app_name, section, key, def);
}

void write(const char* section, const std::string& key, const std::string& value) {
    platform::save_setting(state().app_name, section, key, value);
}

// A stored number that is not a number, or lies outside lo..hi, reads as 0: a damaged value
// must neither fail the start nor wrap into something the game cannot use.
long long stored_whole(std::string raw, long long lo, long long hi) {
    const double v = unscramble_number(raw);
    if (!std::isfinite(v)) return 0;
    const long long n = round_to<long long>(v);
    return (n < lo || n > hi) ? 0 : n;
}

}  // namespace

void default_hall_of_fame() {
    CoreState& s = state();
    for (int i = 1; i <= 10; ++i) {
        HofRec& e = s.hof_table[static_cast<std::size_t>(i)];
        e.name = std::string("Player ") + static_cast<char>(64 + i);
        e.score = clng(10000.0 / i);
        e.mode = "Story";
    }
}

void load_settings() {
    CoreState& s = state();
    std::string raw = read(kGeneral, "STORYWON", "-");
    s.stories_won = raw == "-" ? 0 : static_cast<std::int16_t>(stored_whole(raw, 0, 32767));
    raw = read(kGeneral, "BG", "-");
    s.bg_index = raw == "-" ? 0 : static_cast<std::int16_t>(stored_whole(raw, 0, 9));

    raw = read(kTable, "SCORE1", "-1");
    if (raw == "-1") {
        default_hall_of_fame();
        return;
    }
    for (int i = 1; i <= 10; ++i) {
        const std::string n = std::to_string(i);
        std::string name = read(kTable, "NAME" + n, "K");
        std::string mode = read(kTable, "MODE" + n, "K");
        std::string score = read(kTable, "SCORE" + n, "K");
        HofRec& e = s.hof_table[static_cast<std::size_t>(i)];
        e.name = unscramble_value(name);
        e.score = static_cast<std::int32_t>(stored_whole(score, std::numeric_limits<std::int32_t>::min(),
                                                          std::numeric_limits<std::int32_t>::max()));
        e.mode = unscramble_value(mode);
    }
}

void save_settings() {
    const CoreState& s = state();
    for (int i = 1; i <= 10; ++i) {
        const std::string n = std::to_string(i);
        const HofRec& e = s.hof_table[static_cast<std::size_t>(i)];
        write(kTable, "NAME" + n, scramble_value(e.name));
        write(kTable, "MODE" + n, scramble_value(e.mode));
        write(kTable, "SCORE" + n, scramble_number(e.score));
    }
    write(kGeneral, "BG", scramble_number(s.bg_index));
}

void save_stories_won() { write(kGeneral, "STORYWON", scramble_number(state().stories_won)); }

void save_and_quit() {
    save_settings();
    platform::end_program();
}

void clear_all_settings() {
    const int answer = platform::msgbox(
        "Do this ONLY when you want to uninstall Quorvel\r"
        "from your PC! This action you are about to perform CANNOT\r"
        "be reversed.\r"
        "\r"
        "ARE YOU SURE YOU WANT TO CONTINUE?",
        platform::kMsgYesNoExclamation, "Clear all settings");
    if (answer != platform::kMsgResultYes) return;
    const bool gone = platform::delete_settings(state().app_name);
    platform::msgbox(gone ? "All settings of Quorvel are cleared. The game will now close."
                          : "The settings of Quorvel could not all be removed. The game will now close.",
                     platform::kMsgInfo);
    platform::end_program();
}

}  // namespace core
