// The program: one window, driven by its events until the player leaves.
#include <QApplication>

#include "platform/services.h"
#include "ui/mainform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("quorvel");
    // The game ends only through its own exit, which saves first.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::register_font_substitutes();
    platform::set_program_title("Quorvel Infinite");

    ui::MainForm& form = ui::create_mainform();
    form.Form_Load();
    form.centre_on_screen();
    form.show();
    return QApplication::exec();
}
