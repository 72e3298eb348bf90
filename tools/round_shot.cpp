// Plays the opening of a Linear round by script and saves what the window shows: a found
// piece's glow, a miss's lattice and cross, the pop-up and the pieces.
//
//   round_shot <out.png>
#include <QApplication>
#include <QPixmap>
#include <QWidget>
#include <cstdio>

#include "core/game_state.h"
#include "core/pieces.h"
#include "platform/random.h"
#include "platform/services.h"
#include "platform/timer.h"
#include "ui/mainform.h"
#include "ui/menu.h"

namespace {

void finish_half(ui::MainForm& f) {
    for (int i = 0; i < 6 && f.Timer_pane.enabled(); ++i) f.Timer_pane.fire();
}

}  // namespace

int main(int argc, char** argv) {
    // The shot is the window's own drawing, never the screen's: unless told otherwise it draws
    // off screen, so it needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: round_shot <out.png>\n");
        return 2;
    }
    platform::register_font_substitutes();
    platform::Timer::set_manual_mode(true);
    platform::set_msgbox_handler([](const platform::MsgBoxCall&) { return 1; });

    ui::MainForm& f = ui::create_mainform();
    f.Form_Load();
    f.show();
    platform::seed_random(3);
    core::CoreState& s = core::core_state();
    s.quote_count = 1;
    s.quote[1] = "Excellent!";

    // The title screen's "Start Linear Game", then "play game".
    ui::start_linear();
    ui::leave_menu();
    finish_half(f);
    finish_half(f);
    // Two pieces: find one, miss beside it.
    s.tgt_count = 2;
    core::pick_targets(2);
    s.cur_col = s.tgt_col[1];
    s.cur_row = s.tgt_row[1];
    core::check_answer();
    s.cur_col = static_cast<std::int16_t>(s.tgt_col[1] == 1 ? 2 : 1);
    s.cur_row = static_cast<std::int16_t>(s.tgt_row[1] == 1 ? 2 : 1);
    core::check_answer();
    f.Timer_pmsg.fire();
    f.Timer_timer.fire();
    app.processEvents();

    const QPixmap shot = f.widget()->grab();
    if (!shot.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "round_shot: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("wrote %s\n", argv[1]);
    return 0;
}
