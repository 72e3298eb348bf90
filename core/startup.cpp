// The fixed tables of start-up: the Linear and Story difficulties.
#include "core/startup.h"

#include <string>

#include "core/game_state.h"

namespace core {

void init_difficulty_tables() {
    CoreState& s = core_state();
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

}  // namespace core
