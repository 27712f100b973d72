#include "about/gif_animator.h"

#include <algorithm>

namespace orr::gif {

Animator::Animator(FrameTimer& timer, const TickClock& clock)
    : timer_(timer), clock_(clock), picture_(std::make_unique<Picture>()),
      canvas_(std::make_unique<Compositor>(*picture_))
{}

void Animator::Load(Picture picture)
{
    Stop();
    // The compositor refers to the picture: the old one goes first.
    canvas_.reset();
    picture_ = std::make_unique<Picture>(std::move(picture));
    canvas_ = std::make_unique<Compositor>(*picture_);
    first_tick_ = true;
    frame_ = shown_ = passes_ = 0;
    if (FrameCount() > 0) {
        frame_ = 1;
        ShowFrame(1);
    }
    timer_.FrameChanged();
    if (animate_)
        Start();
}

int Animator::IntervalOf(int frame) const { return std::max(picture_->frames[frame - 1].delay_ms, kFloorMs); }

void Animator::Start()
{
    if (FrameCount() <= 1)
        return;
    passes_ = 1;
    running_ = true;
    timer_.StartFrameTimer(IntervalOf(std::clamp(frame_, 1, FrameCount())));
}

void Animator::Stop()
{
    if (running_)
        timer_.StopFrameTimer();
    running_ = false;
}

void Animator::SetAnimate(bool on)
{
    if (on == animate_)
        return;
    animate_ = on;
    if (on) {
        Start();
    } else {
        Stop();
        Rewind();
    }
}

void Animator::SetStretch(bool on)
{
    stretch_ = on;
    timer_.FrameChanged();
}

void Animator::SetOpaque(bool on)
{
    opaque_ = on;
    timer_.FrameChanged();
}

void Animator::SetLook(const Look& look)
{
    loop_ = look.loop;
    stretch_ = look.stretch;
    opaque_ = look.opaque;
    timer_.FrameChanged();
}

Size Animator::DrawnSize(Size control) const
{
    return stretch_ ? control : Size{canvas_->width(), canvas_->height()};
}

void Animator::ShowFrame(int frame)
{
    canvas_->Draw(static_cast<std::size_t>(frame - 1));
    shown_ = frame;
}

void Animator::Rewind()
{
    if (FrameCount() == 0)
        return;
    frame_ = 1;
    // Whatever frame is on the canvas (after a wrap the next frame is already 1 while
    // the last one still shows), the logo returns to frame 1.
    if (shown_ != 1) {
        canvas_->Dispose(static_cast<std::size_t>(shown_ - 1));
        ShowFrame(1);
        timer_.FrameChanged();
    }
}

void Animator::Tick()
{
    if (!running_)
        return;
    const auto started = clock_.now();
    if (frame_ < 1 || frame_ > FrameCount())
        frame_ = 1;
    if (!first_tick_) {
        canvas_->Dispose(static_cast<std::size_t>(shown_ - 1));
        ShowFrame(frame_);
        timer_.FrameChanged();
    }
    first_tick_ = false;
    const auto spent = (clock_.now() - started).count();
    const int interval = static_cast<int>(
        std::max<long long>(IntervalOf(frame_) - spent, kShortestIntervalMs));
    ++frame_;
    if (frame_ > FrameCount()) {
        if (!loop_ && picture_->loop_count > 0) {
            // The last frame stays on the canvas once every pass has been shown.
            if (++passes_ > picture_->loop_count) {
                Stop();
                return;
            }
        } else {
            frame_ = 1;
        }
    }
    timer_.StartFrameTimer(interval);
}

} // namespace orr::gif
