// The side windows the game's steps open: name entry, Hall of Fame, help and about.
#include "ui/side_windows.h"

#include "core/game_state.h"
#include "ui/screen_state.h"

namespace ui {

std::string hof_mode_text() {
    const core::CoreState& s = core::state();
    if (screen().game_mode == 2) return "Story - " + s.cur_story_diff.name;
    return "Linear - " + s.cur_diff.name;
}

// The windows themselves are not built yet: the entry is made under a plain name and the
// Hall of Fame is not shown.
void show_form_entername() {
    core::CoreState& s = core::state();
    s.hof_table[0] = core::HofRec{"Player", s.score, hof_mode_text()};
}
void show_form_topten() {}
void show_form_inst() {}
void show_form_about() {}
bool form_topten_open() { return false; }
void set_topten_row(int, const std::string&, const std::string&, const std::string&) {}

}  // namespace ui
