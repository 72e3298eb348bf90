// Start-up initialisation of the game state.
#include "core/startup.h"

#include "core/tables.h"
#include "platform/random.h"

namespace core {

std::array<DiffRec, 5>& diff_table() {
    static std::array<DiffRec, 5> table = [] {
        std::array<DiffRec, 5> t;
        const char* names[5] = {"Kiddy", "Easy", "Medium", "Hard", "Crazy!"};
        for (std::size_t i = 0; i < t.size(); ++i) t[i].name = names[i];
        return t;
    }();
    return table;
}

// Only the random seed so far: the tables, settings and data files are not read yet.
void init_game() { platform::seed_random_from_clock(); }

}  // namespace core
