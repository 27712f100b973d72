// The window manager's frame around the main window: outer bounds read and applied
// including the decoration, also before the window manager has shown it.
#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QTimer>
#include <optional>

class QWidget;

class WindowFrame : public QObject {
public:
    explicit WindowFrame(QWidget& window);

    QRect OuterBounds() const;
    void SetOuterBounds(QRect outer);
    QMargins Margins() const;
    // Returns from maximised and waits until the window manager has done so.
    void RestoreFromMaximized();

private:
    void CorrectForFirstFrame();

    QWidget& window_;
    // The decoration as the window manager announced it before the first mapping.
    QMargins expected_;
    // Outer bounds applied before the window manager could tell its decoration.
    std::optional<QRect> awaiting_;
    QTimer watch_;
    int watch_ticks_ = 0;
};
