// Resize plus repaint in a real X server: the year window, the floor and the
// stock-widget peer, each resized in turn to alternating outer sizes (frame included)
// until the window manager has applied the size, then repainted, with one round trip
// so that the server has drawn the frame. Prints medians and ratios; bench/resize runs
// it in a private Xvfb with openbox.
#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cstring>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include <xcb/xcb.h>

#include "app/qt/main_form1.h"
#include "bench/floor_window.h"
#include "bench/stock_peer_window.h"

namespace {

constexpr QSize kLarge(1600, 1200);
constexpr QSize kSmall(660, 630);
// Each window has a column of its own on the wide screen, so no resize exposes another.
constexpr int kColumnWidth = 1650;
constexpr int kDefaultRounds = 40;
constexpr int kWarmUpRounds = 3;
// Longer than any window manager takes to apply a size; only a hung one hits it.
constexpr int kConfigureWaitMs = 2000;

xcb_connection_t* x_connection()
{
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

void round_trip(xcb_connection_t* c) { std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)); }

// The last size the server reported for each window: the window manager has applied it.
class ConfigureWatch : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) == XCB_CONFIGURE_NOTIFY) {
            const auto* notify = reinterpret_cast<const xcb_configure_notify_event_t*>(event);
            if (notify->window == window)
                size = QSize(notify->width, notify->height);
        }
        return false;
    }
    xcb_window_t window = 0;
    QSize size;
};

// With --events: the Qt events that a resize costs, counted over every widget.
class EventCount : public QObject {
public:
    static constexpr std::array<QEvent::Type, 5> kTypes{QEvent::Resize, QEvent::Paint, QEvent::LayoutRequest,
                                                        QEvent::FontChange, QEvent::UpdateRequest};
    static constexpr std::array<const char*, 5> kNames{"Resize", "Paint", "LayoutRequest", "FontChange",
                                                       "UpdateRequest"};
    bool eventFilter(QObject*, QEvent* event) override
    {
        for (std::size_t i = 0; i < kTypes.size(); ++i)
            if (event->type() == kTypes[i])
                ++counts[i];
        return false;
    }
    std::array<long, 5> counts{};
};

struct Subject {
    const char* name;
    std::unique_ptr<QMainWindow> window;
    std::vector<double> ms[2]; // per target: large, small
    std::vector<double> cpu_ms{}; // this process's CPU time, both targets
    std::array<long, 5> events{};
};

// The CPU time of this process: what a window costs on its own side, whatever the load.
double cpu_ms_now()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

std::vector<double> both(const Subject& s)
{
    std::vector<double> all = s.ms[0];
    all.insert(all.end(), s.ms[1].begin(), s.ms[1].end());
    return all;
}

void wait_until(const std::function<bool()>& done, int timeout_ms)
{
    QElapsedTimer clock;
    clock.start();
    QTimer wake;
    wake.start(timeout_ms);
    while (!done() && clock.elapsed() < timeout_ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

// One resize to an outer size, as the user sees it: applied, painted and on the server.
// Kept out of line so that a profiler can single it out.
[[gnu::noinline]] double resize_once(QMainWindow& window, QSize outer, ConfigureWatch& watch, xcb_connection_t* c)
{
    const QMargins frame = window.windowHandle()->frameMargins();
    const QSize client = outer.shrunkBy(frame);
    watch.window = static_cast<xcb_window_t>(window.winId());
    watch.size = QSize();
    QElapsedTimer clock;
    clock.start();
    window.resize(client);
    wait_until([&] { return watch.size == client; }, kConfigureWaitMs);
    QCoreApplication::processEvents();
    window.repaint();
    round_trip(c);
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    if (watch.size != client)
        std::fprintf(stderr, "real_x_resize: %s never reached %dx%d\n", window.objectName().toUtf8().constData(),
                     client.width(), client.height());
    return ms;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    xcb_connection_t* c = x_connection();
    if (!c) {
        std::fprintf(stderr, "real_x_resize: needs an X server (QT_QPA_PLATFORM=xcb)\n");
        return 2;
    }
    int rounds = kDefaultRounds;
    bool count_events = false;
    const char* only = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--events") == 0)
            count_events = true;
        else if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc)
            only = argv[++i];
        else
            rounds = std::max(1, std::atoi(argv[i]));
    }

    QTemporaryDir folder;
    auto year = std::make_unique<TMainForm1>();
    const std::string settings = folder.filePath(QStringLiteral("orrindale.ini")).toStdString();
    year->Form().Settings_File_Path = [settings] { return settings; };

    std::vector<Subject> subjects;
    subjects.push_back({"floor", make_floor_window(), {}});
    subjects.push_back({"year", std::move(year), {}});
    subjects.push_back({"peer", make_stock_peer_window(), {}});

    // --only NAME keeps one window, for a profiler's sake.
    if (only)
        std::erase_if(subjects, [only](const Subject& s) { return std::strcmp(s.name, only) != 0; });
    if (subjects.empty()) {
        std::fprintf(stderr, "real_x_resize: --only takes floor, year or peer\n");
        return 2;
    }

    ConfigureWatch watch;
    application.installNativeEventFilter(&watch);
    for (std::size_t i = 0; i < subjects.size(); ++i) {
        QMainWindow& window = *subjects[i].window;
        window.setObjectName(QString::fromLatin1(subjects[i].name));
        // The year window's start-up shows it, as the program's does.
        if (auto* year_window = qobject_cast<TMainForm1*>(&window))
            year_window->Start();
        else
            window.show();
        wait_until([&] { return !window.windowHandle()->frameMargins().isNull(); }, kConfigureWaitMs);
        window.move(int(i) * kColumnWidth, 0);
        QCoreApplication::processEvents();
    }

    EventCount counter;
    if (count_events)
        application.installEventFilter(&counter);

    // Rotating the order each round spreads the machine's noise over all three alike.
    for (int round = -kWarmUpRounds; round < rounds; ++round) {
        for (int target = 0; target < 2; ++target) {
            for (std::size_t k = 0; k < subjects.size(); ++k) {
                Subject& s = subjects[(k + std::size_t(round + kWarmUpRounds)) % subjects.size()];
                const auto before = counter.counts;
                const double cpu_before = cpu_ms_now();
                const double ms = resize_once(*s.window, target == 0 ? kLarge : kSmall, watch, c);
                if (round < 0)
                    continue;
                s.ms[target].push_back(ms);
                s.cpu_ms.push_back(cpu_ms_now() - cpu_before);
                for (std::size_t i = 0; i < before.size(); ++i)
                    s.events[i] += counter.counts[i] - before[i];
            }
        }
    }

    std::printf("resize + repaint + round trip, medians of %d per size (ms)\n", rounds);
    std::printf("%-12s %10s %10s %10s %12s\n", "window", "1600x1200", "660x630", "both", "client CPU");
    for (const Subject& s : subjects)
        std::printf("%-12s %10.2f %10.2f %10.2f %12.2f\n", s.name, median(s.ms[0]), median(s.ms[1]), median(both(s)),
                    median(s.cpu_ms));
    if (subjects.size() < 3)
        return 0;
    const double floor = median(both(subjects[0]));
    const double year_ms = median(both(subjects[1]));
    const double peer = median(both(subjects[2]));
    std::printf("year / floor  %.2fx (target <= 1.20x)\n", year_ms / floor);
    std::printf("year / peer   %.2fx (target <= 0.30x)\n", year_ms / peer);
    if (count_events) {
        std::printf("\nQt events per resize\n%-12s", "window");
        for (const char* name : EventCount::kNames)
            std::printf(" %14s", name);
        for (const Subject& s : subjects) {
            std::printf("\n%-12s", s.name);
            for (long n : s.events)
                std::printf(" %14.1f", double(n) / (2.0 * rounds));
        }
        std::printf("\n");
    }
    return 0;
}
