// The floor every benchmark measures against: an empty Qt main window with a
// two-menu menu bar, the least a window of this kind can cost.
#pragma once

#include <QMainWindow>
#include <QMenuBar>
#include <memory>

inline std::unique_ptr<QMainWindow> make_floor_window()
{
    auto window = std::make_unique<QMainWindow>();
    window->menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window->menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    window->setCentralWidget(new QWidget);
    return window;
}
