// The floor of bench/startup: the floor window as a program of its own, at the year
// window's design size so both have as many pixels to paint and to hold. With --tick it
// also runs an empty 100 ms timer: the least a window with the calendar's clock can wake.
#include <QApplication>
#include <QMenuBar>
#include <QTimer>
#include <cstring>

#include "bench/floor_window.h"

namespace {
// The year window's design client area, below its menu bar.
constexpr int kClientWidth = 653;
constexpr int kClientHeight = 574;
constexpr int kClockIntervalMs = 100;
} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const auto window = make_floor_window();
    window->setWindowTitle(QStringLiteral("Floor"));
    window->resize(kClientWidth, kClientHeight + window->menuBar()->sizeHint().height());
    QTimer tick;
    if (argc > 1 && std::strcmp(argv[1], "--tick") == 0) {
        QObject::connect(&tick, &QTimer::timeout, [] {});
        tick.start(kClockIntervalMs);
    }
    window->show();
    return application.exec();
}
