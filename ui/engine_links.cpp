// Where the screens and the modes lend the round engine what it calls above its own layer.
#include "ui/engine_links.h"

#include <memory>
#include <string>

#include "core/board.h"
#include "core/round_links.h"
#include "modes/linear.h"
#include "modes/message_panel.h"
#include "modes/story_steps.h"
#include "ui/mainform.h"
#include "ui/menu.h"
#include "ui/picture_store.h"
#include "ui/popup_clock.h"
#include "ui/side_windows.h"
#include "ui/transition.h"

namespace ui {

namespace {

// The window's screens and the modes, as the round engine reaches them.
class WindowScreens final : public core::Screens {
public:
    explicit WindowScreens(MainForm& f) : f_(f) {}

    void write_hud(core::HudValue value, const std::string& text) override {
        switch (value) {
            case core::HudValue::Level: return write_pair(f_.Label_LEVEL, f_.Label_LEVELS, text);
            case core::HudValue::Round: return write_pair(f_.Label_round, f_.label_rounds, text);
            case core::HudValue::Score: return write_pair(f_.Label_score, f_.Label_scores, text);
            case core::HudValue::Timer: return write_pair(f_.Label_timer, f_.Label_timers, text);
            case core::HudValue::Misses: return f_.Label_misses->set_caption(text);
            case core::HudValue::MissLimit: return f_.Label_missest->set_caption(text);
        }
    }

    void run_round_clock(bool running) override { f_.Timer_timer.set_enabled(running); }
    void set_round_clock_interval(int ms) override { f_.Timer_timer.set_interval(ms); }
    void start_found_slide() override { f_.Timer_ansclose.set_enabled(true); }

    void show_bt(int index, int flag) override { ui::show_bt(index, flag); }
    void show_pmsg(int show, const std::string& text, int blinks) override { ui::show_pmsg(show, text, blinks); }
    void pane_close(core::PaneWord word) override { ui::pane_close(word); }
    void end_game() override { ui::end_game(); }

    void show_msg(const std::string& text) override { modes::show_msg(text); }
    void hide_msgbox() override { modes::hide_msgbox(); }

    bool show_form_entername() override {
        ui::show_form_entername();
        return true;
    }
    void show_form_topten() override { ui::show_form_topten(); }
    bool form_topten_open() const override { return ui::form_topten_open(); }
    void set_topten_row(int i, const std::string& name, const std::string& score,
                        const std::string& mode) override {
        ui::set_topten_row(i, name, score, mode);
    }

private:
    static void write_pair(platform::Label* value, platform::Label* twin, const std::string& text) {
        value->set_caption(text);
        twin->set_caption(text);
    }

    MainForm& f_;
};

}  // namespace

std::unique_ptr<core::Screens> make_window_screens(MainForm& f) { return std::make_unique<WindowScreens>(f); }

void lend_round_engine(MainForm& f, core::Screens& screens) {
    core::BoardControls& b = core::board();
    b.pbox_main = f.pbox_main;
    b.pbox_temp = f.pbox_temp;
    b.pbox_temp2 = f.pbox_temp2;
    b.gridline = f.gridline;
    b.shape_cursor = f.Shape_cursor;
    b.pbox_cell = f.pbox_cell;
    b.icons = &form_clip().pclip_iconpic;

    core::lend_screens(screens);

    modes::register_linear_steps();
    modes::register_story_steps();
}

void take_back_round_engine(const core::Screens& screens) {
    // The board goes with the screens it was lent with.
    if (core::take_back_screens(screens)) core::board() = core::BoardControls{};
}

}  // namespace ui
