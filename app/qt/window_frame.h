// The window manager's frame around the main window: outer bounds read and applied
// including the decoration, also before the window manager has shown it and while the
// window is maximised or minimised.
#pragma once

#include <QMargins>
#include <QRect>
#include <optional>

class QWidget;

class WindowFrame {
public:
    explicit WindowFrame(QWidget& window);

    // Maximised or minimised, the bounds the window returns to.
    QRect OuterBounds() const;
    void SetOuterBounds(QRect outer);
    // A size for the window itself, decoration not included.
    void Resize(QSize size);
    // The decoration of the window in its normal state.
    QMargins Margins() const;
    // Asks the window manager for its decoration ahead of the first placement; true
    // while its answer is still to come.
    bool AskDecoration();
    // Returns from maximised to the bounds kept underneath, at once as far as the
    // window's layout is concerned; the window manager follows.
    void RestoreFromMaximized();
    // The window manager has announced its decoration (in the window's own pixels).
    void FrameAnnounced(QMargins frame, bool maximized);

private:
    QWidget& window_;
    // The decoration of the normal window as the window manager last announced it.
    std::optional<QMargins> normal_;
    bool asked_ = false;
    // Outer bounds applied before the decoration was known, applied again once it is.
    struct Awaiting {
        QRect outer;
        std::optional<QSize> resized; // a size asked for since, which stands
    };
    std::optional<Awaiting> awaiting_;
};
