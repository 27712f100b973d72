// Full repaint of the twelve month grids of the year window, at the design
// size and with the grids stretched over a 1920 x 1080 client.
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "app/qt/main_form1.h"
#include "core/clock.h"
#include "monthgrid/qt/calendar.h"

namespace {

const orr::FixedClock kClock({2026, 12, 8, 12, 0, 0, 0});

void stretch_grids(TMainForm1& form, QSize client)
{
    const double wx = double(client.width()) / 653.0;
    const double hy = double(client.height()) / 574.0;
    form.resize(client);
    for (int month = 1; month <= orr::MainForm::kMonths; ++month) {
        TCalendar* grid = form.centralWidget()->findChild<TCalendar*>(QStringLiteral("Calendar%1").arg(month));
        const QRect r = grid->geometry();
        grid->setGeometry(int(r.x() * wx), int(r.y() * hy), int(r.width() * wx), int(r.height() * hy));
    }
}

void repaint_twelve_grids(benchmark::State& state, QSize client)
{
    orr::set_clock(&kClock);
    TMainForm1 form;
    form.Start();
    if (client != QSize(653, 574))
        stretch_grids(form, client);
    QCoreApplication::processEvents();
    QImage target(form.centralWidget()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        for (int month = 1; month <= orr::MainForm::kMonths; ++month) {
            TCalendar* grid = form.centralWidget()->findChild<TCalendar*>(QStringLiteral("Calendar%1").arg(month));
            grid->render(&target, grid->pos());
        }
        benchmark::DoNotOptimize(target.constBits());
    }
    orr::set_clock(nullptr);
}

void BM_RepaintTwelveGrids_Design(benchmark::State& state) { repaint_twelve_grids(state, {653, 574}); }
void BM_RepaintTwelveGrids_1920x1080(benchmark::State& state) { repaint_twelve_grids(state, {1920, 1080}); }

BENCHMARK(BM_RepaintTwelveGrids_Design)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintTwelveGrids_1920x1080)->Unit(benchmark::kMicrosecond);

} // namespace
