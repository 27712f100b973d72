// The stock-widget peer of the year window: twelve QCalendarWidget in four rows of
// three under the floor's menu bar, with a title clock ticking every 100 ms. It shows
// what the same year view costs when built from Qt's own calendar.
#pragma once

#include <QCalendarWidget>
#include <QDate>
#include <QGridLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QTime>
#include <QTimer>
#include <memory>

inline std::unique_ptr<QMainWindow> make_stock_peer_window()
{
    constexpr int kColumns = 3;
    constexpr int kMonths = 12;
    constexpr int kClockIntervalMs = 100;
    auto window = std::make_unique<QMainWindow>();
    window->menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window->menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    auto* client = new QWidget;
    auto* grid = new QGridLayout(client);
    const int year = QDate::currentDate().year();
    for (int month = 1; month <= kMonths; ++month) {
        auto* calendar = new QCalendarWidget;
        calendar->setCurrentPage(year, month);
        // Below its own minimum a calendar is clipped, so the peer takes every size the
        // year window takes.
        calendar->setMinimumSize(1, 1);
        grid->addWidget(calendar, (month - 1) / kColumns, (month - 1) % kColumns);
    }
    window->setCentralWidget(client);
    auto* clock = new QTimer(window.get());
    clock->setInterval(kClockIntervalMs);
    QObject::connect(clock, &QTimer::timeout, window.get(), [w = window.get()] {
        const QString caption = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
        if (caption != w->windowTitle())
            w->setWindowTitle(caption);
    });
    clock->start();
    return window;
}
