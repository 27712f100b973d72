// TGIFImage on Qt: a reusable control that shows a GIF picture and animates it. The
// picture, its frames and their timing are orr::gif::Animator's; this widget provides
// the frame timer and draws the composed canvas in one operation.
#pragma once

#include <QTimer>
#include <QWidget>

#include "about/gif_animator.h"

class TGIFImage : public QWidget, private orr::gif::FrameTimer {
    Q_OBJECT

public:
    explicit TGIFImage(QWidget* parent = nullptr,
                       const orr::gif::TickClock& clock = orr::gif::steady_tick_clock());

    // Data that is no GIF, or is damaged before its first frame, leaves it empty.
    void LoadFromData(const QByteArray& data);

    // The picture, its frames, whether and how they animate and how they are drawn.
    orr::gif::Animator& Animator() { return animator_; }
    const orr::gif::Animator& Animator() const { return animator_; }
    QTimer& Frame_Timer() { return timer_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void StartFrameTimer(int interval_ms) override;
    void StopFrameTimer() override { timer_.stop(); }
    void FrameChanged() override { repaint(); }

    QTimer timer_;
    orr::gif::Animator animator_;
};
