// The logo control's behaviour, once for both shells: the picture on its canvas, the
// Animate, Loop, Stretch and Opaque properties, and the frame timer's ticks with their
// pass counting. The shell provides the timer and the repaint; time comes from an
// injectable clock.
#pragma once

#include <memory>

#include "about/gif_compositor.h"
#include "about/gif_picture.h"
#include "about/tick_clock.h"
#include "monthgrid/grid_geometry.h"

namespace orr::gif {

class FrameTimer {
public:
    virtual ~FrameTimer() = default;
    // (Re)starts the frame timer: its next tick comes after interval_ms.
    virtual void StartFrameTimer(int interval_ms) = 0;
    virtual void StopFrameTimer() = 0;
    // The canvas holds a new frame, or is to be drawn otherwise: show it, in one operation.
    virtual void FrameChanged() = 0;
};

class Animator {
public:
    static constexpr int kFloorMs = 50;
    static constexpr int kShortestIntervalMs = 1;

    explicit Animator(FrameTimer& timer, const TickClock& clock = steady_tick_clock());

    // Shows frame 1 of the new picture; an animation that is on starts over with it.
    void Load(Picture picture);
    const Picture& picture() const { return *picture_; }
    const Compositor& canvas() const { return *canvas_; }

    bool Animate() const { return animate_; }
    // On: only a picture of more than one frame starts its timer. Off: the timer goes
    // and the logo returns to frame 1.
    void SetAnimate(bool on);
    bool Loop() const { return loop_; }
    void SetLoop(bool on) { loop_ = on; }
    // Each frame scaled to the control's bounds, ignoring the aspect ratio.
    bool Stretch() const { return stretch_; }
    void SetStretch(bool on);
    // Transparent pixels in the control's colour instead of what lies beneath.
    bool Opaque() const { return opaque_; }
    void SetOpaque(bool on);
    // The three design values at once.
    struct Look {
        bool stretch = false;
        bool opaque = true;
        bool loop = true;
    };
    void SetLook(const Look& look);
    // The size the canvas is drawn at, from the control's top-left corner.
    Size DrawnSize(Size control) const;

    // The frame timer's handler.
    void Tick();

    // The frame the next tick shows (1-based; 0 without a picture).
    int FrameNumber() const { return frame_; }
    // The frame on the canvas (1-based; 0 without a picture).
    int ShownFrame() const { return shown_; }
    int Passes() const { return passes_; }
    bool TimerRunning() const { return running_; }

private:
    int FrameCount() const { return static_cast<int>(picture_->frames.size()); }
    int IntervalOf(int frame) const;
    void Start();
    void Stop();
    void ShowFrame(int frame);
    void Rewind();

    FrameTimer& timer_;
    const TickClock& clock_;
    std::unique_ptr<Picture> picture_;
    std::unique_ptr<Compositor> canvas_;
    bool animate_ = false;
    bool loop_ = false;
    bool stretch_ = false;
    bool opaque_ = false;
    bool running_ = false;
    bool first_tick_ = true; // frame 1 is on the canvas since the picture was loaded
    int frame_ = 0;
    int shown_ = 0;
    int passes_ = 0;
};

} // namespace orr::gif
