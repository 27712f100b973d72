// One resize plus a full repaint of the year window, against a floor: an empty
// main window with a menu bar, resized and repainted the same way in the same run.
#include <QCoreApplication>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>

#include "app/qt/main_form1.h"
#include "bench/floor_window.h"
#include "core/clock.h"

namespace {

const orr::FixedClock kClock({2026, 12, 8, 12, 0, 0, 0});
constexpr QSize kDesign(653, 574);

std::unique_ptr<QMainWindow> make_year_window(const QTemporaryDir& folder)
{
    auto window = std::make_unique<TMainForm1>();
    const std::string path = folder.filePath(QStringLiteral("orrindale.ini")).toStdString();
    window->Form().Settings_File_Path = [path] { return path; };
    window->Timer1->stop();
    return window;
}

// Resizes so that the client area below the menu gets this size, and repaints at once.
void resize_and_repaint(QMainWindow& window, QSize client)
{
    const QSize chrome = window.size() - window.centralWidget()->size();
    window.resize(client + chrome);
    window.repaint();
}

template <bool kYearWindow>
void run(benchmark::State& state, const std::vector<QSize>& sizes)
{
    orr::set_clock(&kClock);
    QTemporaryDir folder;
    auto window = kYearWindow ? make_year_window(folder) : make_floor_window();
    if (auto* year_window = qobject_cast<TMainForm1*>(window.get()))
        year_window->Start();
    else
        window->show();
    QCoreApplication::processEvents();
    std::size_t next = 0;
    for (auto _ : state) {
        resize_and_repaint(*window, sizes[next]);
        next = (next + 1) % sizes.size();
    }
    state.SetItemsProcessed(state.iterations());
    orr::set_clock(nullptr);
}

// A size and its neighbour one pixel larger, so that every iteration really resizes.
std::vector<QSize> around(QSize size) { return {size, size + QSize(1, 1)}; }

std::vector<QSize> drag_sweep()
{
    std::vector<QSize> sizes;
    for (int i = 0; i < 100; ++i)
        sizes.push_back(QSize(653 + (1920 - 653) * i / 99, 574 + (1080 - 574) * i / 99));
    return sizes;
}

const std::vector<QSize> k15 = around(QSize(980, 861));
const std::vector<QSize> k20 = around(kDesign * 2);
const std::vector<QSize> kFullHd = around(QSize(1920, 1080));
const std::vector<QSize> kSweep = drag_sweep();

void BM_Floor_1_5x(benchmark::State& s) { run<false>(s, k15); }
void BM_Year_1_5x(benchmark::State& s) { run<true>(s, k15); }
void BM_Floor_2x(benchmark::State& s) { run<false>(s, k20); }
void BM_Year_2x(benchmark::State& s) { run<true>(s, k20); }
void BM_Floor_1920x1080(benchmark::State& s) { run<false>(s, kFullHd); }
void BM_Year_1920x1080(benchmark::State& s) { run<true>(s, kFullHd); }
void BM_Floor_DragSweep100(benchmark::State& s) { run<false>(s, kSweep); }
void BM_Year_DragSweep100(benchmark::State& s) { run<true>(s, kSweep); }

BENCHMARK(BM_Floor_1_5x)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Year_1_5x)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Floor_2x)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Year_2x)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Floor_1920x1080)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Year_1920x1080)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Floor_DragSweep100)->Unit(benchmark::kMicrosecond)->Iterations(300);
BENCHMARK(BM_Year_DragSweep100)->Unit(benchmark::kMicrosecond)->Iterations(300);

} // namespace
