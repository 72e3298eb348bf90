// Start-up initialisation: the random seed, the fixed tables and everything read from disk.
#include "ui/startup.h"

#include <string>

#include "core/characters.h"
#include "core/data_files.h"
#include "core/game_state.h"
#include "core/settings.h"
#include "core/startup.h"
#include "pictures/shapes.h"
#include "platform/random.h"

namespace ui {

void init_game() {
    core::CoreState& s = core::core_state();
    platform::seed_random_from_clock();
    core::init_difficulty_tables();
    s.app_name = "quorvel";
    core::load_settings();
    s.time_limit = 20;
    s.miss_limit = 5;
    pictures::load_shapes();
    core::load_map_and_quotes();

    const std::string bob = "42024202";
    for (std::size_t i = 1; i <= 8; ++i) s.pawn_bob[i - 1] = static_cast<std::uint8_t>(bob[i - 1] - '0');
    const std::string arc = "00|08|15|21|26|29|30|29|26|21|15|08|";
    for (std::size_t i = 0; i <= 11; ++i) s.jump_arc[i] = static_cast<std::uint8_t>(std::stoi(arc.substr(3 * i, 2)));

    // By core::direction: the letter of kLeft..kDown, and each one's step (kNone stands still).
    s.dir_letters = "LRUD";
    s.dir_dx = {0, -1, 1, 0, 0};
    s.dir_dy = {0, 0, 0, -1, 1};

    core::load_faq();

    const auto& rows = core::character_rows();
    for (std::size_t i = 0; i < rows.size() && i < s.char_name.size(); ++i) {
        s.char_name[i] = rows[i].name;
        s.char_saying[i] = i == 0 ? "" : rows[i].saying;
    }
}

}  // namespace ui
