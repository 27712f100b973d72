// Entry point of the benchmarks: a Qt application on the offscreen platform,
// where resizing and painting happen synchronously, then Google Benchmark.
#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
