// The Hall of Fame: where a score would place, inserting it, and the end-of-game step.
#include "core/hall_of_fame.h"

#include "core/game_state.h"
#include "core/utility.h"
#include "ui/side_windows.h"

namespace core {

std::uint8_t hof_position(std::int32_t score) {
    const CoreState& s = state();
    for (int i = 1; i <= 10; ++i) {
        if (score > s.hof_table[static_cast<std::size_t>(i)].score) return static_cast<std::uint8_t>(i);
    }
    return 11;
}

bool hof_insert() {
    CoreState& s = state();
    const int p = hof_position(s.hof_table[0].score);
    if (p > 10) return false;
    for (int i = 10; i >= p + 1; --i) {
        s.hof_table[static_cast<std::size_t>(i)] = s.hof_table[static_cast<std::size_t>(i - 1)];
    }
    s.hof_table[static_cast<std::size_t>(p)] = s.hof_table[0];
    fill_topten_labels();
    return true;
}

void check_highscore() {
    if (hof_position(state().score) == 11) return;
    ui::show_form_entername();
    hof_insert();
    ui::show_form_topten();
}

void fill_topten_labels() {
    // The window fills its own rows when it opens; with it closed there is nothing to write.
    if (!ui::form_topten_open()) return;
    const CoreState& s = state();
    for (int i = 1; i <= 10; ++i) {
        const HofRec& e = s.hof_table[static_cast<std::size_t>(i)];
        ui::set_topten_row(i, e.name, format_thousands(e.score, ",") + " pts", e.mode);
    }
}

}  // namespace core
