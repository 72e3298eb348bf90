// The yardstick of the start-up benchmark: a bare Qt window of the game window's size, which
// reports when it is mapped and when its first paint is done, exactly as the game launch does.
#include <QApplication>
#include <QWidget>

#include "first_paint.h"

int main(int argc, char** argv) {
    const long long start = probe::start_ns();
    QApplication app(argc, argv);
    probe::FirstPaint report(start);
    QWidget w;
    w.setWindowTitle("bare");
    w.resize(569, 421);  // the main window's client area
    w.show();
    return QApplication::exec();
}
