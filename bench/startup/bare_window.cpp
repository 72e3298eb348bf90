// The yardstick of the start-up benchmark: a bare Qt window of the game's size, which reports
// when its first paint is done, exactly as the probe's game launch does.
#include <QApplication>
#include <QWidget>

#include "first_paint.h"

int main(int argc, char** argv) {
    const long long start = probe::start_ns();
    QApplication app(argc, argv);
    probe::FirstPaint report(start);
    QWidget w;
    w.setWindowTitle("bare");
    w.resize(569, 421);
    w.installEventFilter(&report);
    w.show();
    return QApplication::exec();
}
