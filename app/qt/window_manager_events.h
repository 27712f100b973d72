// What the window manager changes on the main window of its own accord, heard in Qt's
// X11 event stream: the always-on-top state (changed from its window menu) and the
// decoration it announces around the window.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QMargins>
#include <cstdint>
#include <functional>

class QWidget;

namespace orr::window {

class WindowManagerEvents : public QAbstractNativeEventFilter {
public:
    struct Listeners {
        std::function<void(bool on)> above_changed;
        // In the window's own pixels; maximised: the decoration of the maximised window.
        std::function<void(QMargins frame, bool maximized)> frame_announced;
    };

    // Hears nothing where the application is not on X11.
    WindowManagerEvents(QWidget& window, Listeners listeners);
    ~WindowManagerEvents() override;
    WindowManagerEvents(const WindowManagerEvents&) = delete;
    WindowManagerEvents& operator=(const WindowManagerEvents&) = delete;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

private:
    void StateChanged();
    void ExtentsChanged();

    QWidget& window_;
    Listeners listeners_;
    bool installed_ = false;
    std::uint32_t state_atom_ = 0;
    std::uint32_t above_atom_ = 0;
    std::uint32_t extents_atom_ = 0;
};

} // namespace orr::window
