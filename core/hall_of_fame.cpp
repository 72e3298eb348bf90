// The Hall of Fame: where a score would place, inserting it, and the end-of-game step.
#include "core/hall_of_fame.h"

#include <vector>

#include "core/game_state.h"
#include "core/round_links.h"
#include "core/settings.h"
#include "core/utility.h"

namespace core {

std::uint8_t hof_position(std::int32_t score) {
    const CoreState& s = core_state();
    for (int i = 1; i <= 10; ++i) {
        if (score > s.hof_table[static_cast<std::size_t>(i)].score) return static_cast<std::uint8_t>(i);
    }
    return 11;
}

bool hof_insert() {
    CoreState& s = core_state();
    const int p = hof_position(s.hof_table[0].score);
    if (p > 10) return false;
    for (int i = 10; i >= p + 1; --i) {
        s.hof_table[static_cast<std::size_t>(i)] = s.hof_table[static_cast<std::size_t>(i - 1)];
    }
    s.hof_table[static_cast<std::size_t>(p)] = s.hof_table[0];
    save_hall_of_fame();
    fill_topten_labels();
    return true;
}

namespace {
bool same_entry(const HofRec& a, const HofRec& b) {
    return a.score == b.score && a.name == b.name && a.mode == b.mode;
}
}  // namespace

HofTable hof_merged(const HofTable& ours, const HofTable& theirs) {
    std::vector<HofRec> rows(ours.begin() + 1, ours.end());
    // An entry of theirs that matches one of ours not matched yet is the same game; any
    // other is a game only they know, placed the way hof_insert places a new one.
    std::vector<bool> matched(rows.size(), false);
    for (std::size_t t = 1; t < theirs.size(); ++t) {
        const HofRec& e = theirs[t];
        bool known = false;
        for (std::size_t i = 0; i < matched.size() && !known; ++i) {
            if (!matched[i] && same_entry(rows[i], e)) known = matched[i] = true;
        }
        if (known) continue;
        std::size_t at = 0;
        while (at < rows.size() && e.score <= rows[at].score) ++at;
        rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(at), e);
        matched.insert(matched.begin() + static_cast<std::ptrdiff_t>(at), true);
    }
    HofTable out;
    out[0] = ours[0];
    for (std::size_t i = 1; i < out.size(); ++i) out[i] = rows[i - 1];
    return out;
}

void check_highscore() {
    if (hof_position(core_state().score) == 11) return;
    // Only the name entry fills the new row: without screens (the settings alone, headless)
    // there is no entry to put in.
    const ScreenLinks& l = screen_links();
    if (!l.show_form_entername) return;
    l.show_form_entername();
    hof_insert();
    if (l.show_form_topten) l.show_form_topten();
}

void fill_topten_labels() {
    // The window fills its own rows when it opens; with it closed, or with no screens at all
    // (the settings alone, headless), there is nothing to write.
    const ScreenLinks& l = screen_links();
    if (!l.form_topten_open || !l.form_topten_open()) return;
    const CoreState& s = core_state();
    for (int i = 1; i <= 10; ++i) {
        const HofRec& e = s.hof_table[static_cast<std::size_t>(i)];
        l.set_topten_row(i, e.name, format_thousands(e.score, ",") + " pts", e.mode);
    }
}

}  // namespace core
