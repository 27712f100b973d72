// The floor of bench/startup: the floor window as a program of its own, at the year
// window's design size so both have as many pixels to paint and to hold.
#include <QApplication>
#include <QMenuBar>

#include "bench/floor_window.h"

namespace {
// The year window's design client area, below its menu bar.
constexpr int kClientWidth = 653;
constexpr int kClientHeight = 574;
} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const auto window = make_floor_window();
    window->setWindowTitle(QStringLiteral("Floor"));
    window->resize(kClientWidth, kClientHeight + window->menuBar()->sizeHint().height());
    window->show();
    return application.exec();
}
