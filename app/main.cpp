// The program: one window, driven by its events until the player leaves.
#include <QApplication>

#include "core/settings.h"
#include "platform/services.h"
#include "ui/mainform.h"
#include "ui/picture_store.h"

int main(int argc, char** argv) {
    platform::begin_reading_font_configuration();
    ui::begin_making_pictures();
    QApplication app(argc, argv);
    platform::begin_listing_fonts();
    QApplication::setApplicationName("quorvel");
    // The game ends only through its own exit, which saves first.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::register_font_substitutes();
    platform::set_program_title("Quorvel Infinite");
    // A logout ends the game the way its exit button does once the player says Yes.
    platform::on_end_signals([] { core::save_and_quit(); });

    ui::MainForm& form = ui::create_mainform();
    form.Form_Load();
    form.centre_on_screen();
    form.show();
    return QApplication::exec();
}
