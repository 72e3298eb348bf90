// Start-up initialisation: the random seed, the fixed tables and everything read from disk.
#include "core/startup.h"

#include <string>

#include "core/characters.h"
#include "core/data_files.h"
#include "core/game_state.h"
#include "core/settings.h"
#include "pictures/shapes.h"
#include "platform/random.h"

namespace core {

void init_difficulty_tables() {
    CoreState& s = state();
    for (int i = 0; i <= 4; ++i) {
        DiffRec& d = s.diff_table[static_cast<std::size_t>(i)];
        d.max_misses = static_cast<std::uint8_t>(7 - i);
        d.secs = static_cast<std::uint8_t>(30 - 5 * i);
        d.bonus_chance = static_cast<std::uint8_t>(25 - 3 * i);
        d.penalty = static_cast<std::uint8_t>(10 + 5 * i);
        d.quota_base = static_cast<std::int16_t>(25 + 5 * i);
    }
    const char* names[5] = {"Kiddy", "Easy", "Medium", "Hard", "Crazy!"};
    for (int i = 0; i <= 4; ++i) {
        s.diff_table[static_cast<std::size_t>(i)].board_sizes = "|54|64|64|65|65|75|75|76|76|86|86|87|87|88";
        s.diff_table[static_cast<std::size_t>(i)].name = names[i];
    }
    for (int i = 0; i <= 2; ++i) {
        StoryDiffRec& d = s.story_diff_table[static_cast<std::size_t>(i)];
        d.targets = static_cast<std::uint8_t>(i + 2);
        d.cols = static_cast<std::uint8_t>(i + 7);
        d.rows = static_cast<std::uint8_t>(i + 6);
        d.secs = static_cast<std::uint8_t>(20 - 5 * i);
        d.max_misses = static_cast<std::uint8_t>(5 - i);
        d.dice_ms = static_cast<std::int16_t>(80 - 10 * i);
    }
    s.story_diff_table[0].name = "Medium";
    s.story_diff_table[1].name = "Hard";
    s.story_diff_table[2].name = "Crazy!";
}

void init_game() {
    CoreState& s = state();
    platform::seed_random_from_clock();
    init_difficulty_tables();
    s.app_name = "quorvel";
    load_settings();
    s.time_limit = 20;
    s.miss_limit = 5;
    pictures::load_shapes();
    load_map_and_quotes();

    const std::string bob = "42024202";
    for (std::size_t i = 1; i <= 8; ++i) s.pawn_bob[i - 1] = static_cast<std::uint8_t>(bob[i - 1] - '0');
    const std::string arc = "00|08|15|21|26|29|30|29|26|21|15|08|";
    for (std::size_t i = 0; i <= 11; ++i) s.jump_arc[i] = static_cast<std::uint8_t>(std::stoi(arc.substr(3 * i, 2)));

    s.dir_letters = "LRUD";
    s.dir_dx = {0, -1, 1, 0, 0};
    s.dir_dy = {0, 0, 0, -1, 1};

    load_faq();

    const auto& rows = character_rows();
    for (std::size_t i = 0; i < rows.size() && i < s.char_name.size(); ++i) {
        s.char_name[i] = rows[i].name;
        s.char_saying[i] = i == 0 ? "" : rows[i].saying;
    }
}

}  // namespace core
