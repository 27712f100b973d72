// The floor of bench/startup: the floor window as a program of its own, at the year
// window's design size so both have as many pixels to paint and to hold. With --tick it
// also runs a 100 ms timer that reads the clock and writes it into the title once a
// second: the least a window with the calendar's clock can wake and repaint.
#include <QApplication>
#include <QMenuBar>
#include <QTime>
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
        // Nine ticks in ten fall in the second already shown and only read the clock.
        QObject::connect(&tick, &QTimer::timeout, [&window, shown = -1]() mutable {
            const QTime now = QTime::currentTime();
            if (now.second() == shown)
                return;
            shown = now.second();
            window->setWindowTitle(QStringLiteral("Floor ") + now.toString(QStringLiteral("hh:mm:ss")));
        });
        tick.start(kClockIntervalMs);
    }
    window->show();
    return application.exec();
}
