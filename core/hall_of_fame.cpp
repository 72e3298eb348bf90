// The Hall of Fame: where a score would place, inserting it, and the end-of-game step.
#include "core/hall_of_fame.h"

#include "core/game_state.h"
#include "core/round_links.h"
#include "core/settings.h"
#include "core/utility.h"

namespace core {

std::uint8_t hof_position(const HofTable& table, std::int32_t score) {
    for (int i = 1; i <= 10; ++i) {
        if (score > table[static_cast<std::size_t>(i)].score) return static_cast<std::uint8_t>(i);
    }
    return 11;
}

std::uint8_t hof_position(std::int32_t score) { return hof_position(core_state().hof_table, score); }

bool hof_place(HofTable& table, const HofRec& entry) {
    const int p = hof_position(table, entry.score);
    if (p > 10) return false;
    for (int i = 10; i >= p + 1; --i) {
        table[static_cast<std::size_t>(i)] = table[static_cast<std::size_t>(i - 1)];
    }
    table[static_cast<std::size_t>(p)] = entry;
    return true;
}

bool hof_insert() {
    CoreState& s = core_state();
    const HofRec entry = s.hof_table[0];
    if (!hof_place(s.hof_table, entry)) return false;
    s.hof_unsaved.push_back(entry);
    save_hall_of_fame();
    fill_topten_labels();
    return true;
}

void check_highscore() {
    if (hof_position(core_state().score) == 11) return;
    // Only the name entry fills the new row: without screens (the settings alone, headless)
    // there is no entry to put in.
    if (!screens().show_form_entername()) return;
    hof_insert();
    screens().show_form_topten();
}

void fill_topten_labels() {
    // The window fills its own rows when it opens; with it closed, or with no screens at all
    // (the settings alone, headless), there is nothing to write.
    Screens& up = screens();
    if (!up.form_topten_open()) return;
    const CoreState& s = core_state();
    for (int i = 1; i <= 10; ++i) {
        const HofRec& e = s.hof_table[static_cast<std::size_t>(i)];
        up.set_topten_row(i, e.name, format_thousands(e.score, ",") + " pts", e.mode);
    }
}

}  // namespace core
