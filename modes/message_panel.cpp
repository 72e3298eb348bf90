// The four-line message panel under the board.
#include "modes/message_panel.h"

#include "modes/mode_state.h"
#include "ui/mainform.h"

namespace modes {

void show_msg(const std::string& text) {
    ui::MainForm& f = ui::mainform();
    std::int16_t& line = mode_state().msg_line;
    line = static_cast<std::int16_t>(line + 1);
    if (line > 3) {
        for (int i = 0; i <= 2; ++i) f.Label_msg[i]->set_caption(f.Label_msg[i + 1]->caption());
        line = 3;
    }
    if (line < 0) line = 0;
    f.Label_msg[static_cast<std::size_t>(line)]->set_caption(text);
}

void clear_msg() {
    for (auto* l : ui::mainform().Label_msg) l->set_caption("");
    mode_state().msg_line = -1;
}

void hide_msgbox() {
    ui::MainForm& f = ui::mainform();
    f.Label_msgbox->set_visible(false);
    for (auto* l : f.Label_msg) l->set_visible(false);
}

void show_msgbox() {
    ui::MainForm& f = ui::mainform();
    f.Label_msgbox->set_visible(true);
    for (auto* l : f.Label_msg) l->set_visible(true);
}

}  // namespace modes
