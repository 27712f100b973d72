// The logo's frame timer with a fake clock: intervals with their 50 ms floor and the
// time spent in a tick taken off (at least 1 ms), passes counted against the loop
// count, and the rewind to frame 1 when the animation is switched off.
#include <gtest/gtest.h>

#include "about/gif_animator.h"

namespace orr::gif {
namespace {

class FakeClock : public TickClock {
public:
    std::chrono::milliseconds now() const override { return now_; }
    void advance(int ms) { now_ += std::chrono::milliseconds(ms); }

private:
    std::chrono::milliseconds now_{1000};
};

// The shell's side: the timer's state and the frames shown, with paint time passing.
class FakeTimer : public FrameTimer {
public:
    explicit FakeTimer(FakeClock& clock) : clock_(clock) {}
    void StartFrameTimer(int interval_ms) override
    {
        running = true;
        intervals.push_back(interval_ms);
    }
    void StopFrameTimer() override { running = false; }
    void FrameChanged() override
    {
        ++repaints;
        clock_.advance(paint_ms);
    }

    bool running = false;
    std::vector<int> intervals;
    int repaints = 0;
    int paint_ms = 0;

private:
    FakeClock& clock_;
};

Picture picture_of(std::vector<int> delays_ms, int loop_count)
{
    Picture picture;
    picture.width = picture.height = 1;
    picture.loop_count = loop_count;
    for (std::size_t i = 0; i < delays_ms.size(); ++i) {
        Frame frame;
        frame.width = frame.height = 1;
        frame.delay_ms = delays_ms[i];
        frame.disposal = kDisposalBackground;
        frame.transparent = 0;
        // Each frame in a colour of its own, so the canvas tells which one shows.
        frame.palette = {0, static_cast<std::uint32_t>(i + 1)};
        frame.pixels = {1};
        picture.frames.push_back(frame);
    }
    return picture;
}

std::uint32_t shown_colour(const Animator& logo) { return logo.canvas().pixel(0, 0) & 0xFFFFFF; }

class Animation : public ::testing::Test {
protected:
    FakeClock clock;
    FakeTimer timer{clock};
    Animator logo{timer, clock};
};

TEST_F(Animation, LoadingShowsFrameOneAndSwitchingOnStartsAtItsDelay)
{
    logo.Load(picture_of({100, 100, 100}, 999));
    EXPECT_EQ(logo.ShownFrame(), 1);
    EXPECT_EQ(shown_colour(logo), 1u);
    EXPECT_FALSE(timer.running);
    logo.SetAnimate(true);
    EXPECT_TRUE(timer.running);
    EXPECT_EQ(timer.intervals, std::vector<int>{100});
    EXPECT_EQ(logo.Passes(), 1);
}

TEST_F(Animation, TheFirstTickKeepsFrameOneThenEachTickShowsTheNext)
{
    logo.Load(picture_of({100, 100, 100}, 0));
    logo.SetAnimate(true);
    std::vector<std::uint32_t> seen;
    for (int tick = 0; tick < 7; ++tick) {
        logo.Tick();
        seen.push_back(shown_colour(logo));
    }
    EXPECT_EQ(seen, (std::vector<std::uint32_t>{1, 2, 3, 1, 2, 3, 1}));
    EXPECT_EQ(timer.repaints, 1 + 6); // the load, then every tick but the first
}

struct IntervalCase {
    const char* name;
    int delay_ms;
    int paint_ms;
    int expected_ms;
};

class Intervals : public Animation, public ::testing::WithParamInterface<IntervalCase> {};

TEST_P(Intervals, NextIntervalIsTheDelayWithItsFloorLessTheTimeSpent)
{
    const IntervalCase& c = GetParam();
    logo.Load(picture_of({c.delay_ms, c.delay_ms}, 0));
    logo.SetAnimate(true);
    timer.paint_ms = c.paint_ms;
    logo.Tick(); // the first tick draws nothing
    logo.Tick();
    ASSERT_EQ(timer.intervals.size(), 3u);
    EXPECT_EQ(timer.intervals[0], std::max(c.delay_ms, 50));
    EXPECT_EQ(timer.intervals[2], c.expected_ms);
}

INSTANTIATE_TEST_SUITE_P(FrameTimer, Intervals,
                         ::testing::Values(IntervalCase{"HundredMs", 100, 0, 100},
                                           IntervalCase{"FloorOfFifty", 20, 0, 50},
                                           IntervalCase{"NoDelayAtAll", 0, 0, 50},
                                           IntervalCase{"PaintTimeTakenOff", 100, 30, 70},
                                           IntervalCase{"PaintTimeOffTheFloor", 10, 45, 5},
                                           IntervalCase{"AtLeastOneMs", 100, 100, 1},
                                           IntervalCase{"SlowerThanTheFrame", 100, 250, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

// Ticks until the timer stops or the limit is reached; returns the ticks taken.
int run(Animator& logo, FakeTimer& timer, int limit)
{
    int ticks = 0;
    while (timer.running && ticks < limit) {
        logo.Tick();
        ++ticks;
    }
    return ticks;
}

TEST_F(Animation, NinetyNineHundredPassesThenTheLastFrameHolds)
{
    logo.Load(picture_of(std::vector<int>(8, 100), 999));
    logo.SetAnimate(true);
    const int ticks = run(logo, timer, 100000);
    // Frame 1 is on screen before the first tick, so 8 ticks make each pass.
    EXPECT_EQ(ticks, 999 * 8);
    EXPECT_FALSE(timer.running);
    EXPECT_EQ(logo.ShownFrame(), 8);
    EXPECT_EQ(shown_colour(logo), 8u);
    EXPECT_TRUE(logo.Animate());
    // 8 frames at 100 ms: about 13 minutes 20 seconds in all.
    long long total = 0;
    for (int interval : timer.intervals)
        total += interval;
    EXPECT_EQ(total, 999LL * 8 * 100);
}

TEST_F(Animation, LoopCountZeroAndLoopOnCycleWithoutEnd)
{
    logo.Load(picture_of({100, 100}, 0));
    logo.SetAnimate(true);
    EXPECT_EQ(run(logo, timer, 5000), 5000);
    EXPECT_TRUE(timer.running);

    logo.SetAnimate(false);
    logo.Load(picture_of({100, 100}, 2));
    logo.SetLoop(true);
    logo.SetAnimate(true);
    EXPECT_EQ(run(logo, timer, 5000), 5000);
    EXPECT_TRUE(timer.running);
}

TEST_F(Animation, WithoutTheExtensionItPlaysOnceAndHoldsTheLastFrame)
{
    logo.Load(picture_of({100, 100, 100}, 1));
    logo.SetAnimate(true);
    EXPECT_EQ(run(logo, timer, 100), 3);
    EXPECT_EQ(logo.ShownFrame(), 3);
}

TEST_F(Animation, OneFrameNeverAnimates)
{
    logo.Load(picture_of({100}, 0));
    logo.SetAnimate(true);
    EXPECT_FALSE(timer.running);
    EXPECT_TRUE(timer.intervals.empty());
    logo.Tick();
    EXPECT_EQ(logo.ShownFrame(), 1);
}

TEST_F(Animation, SwitchingOffRewindsToFrameOneWhereverItStopped)
{
    // {loop count, ticks}: frame 1 still on screen; frame 2; frame 3 just after the
    // wrap, the next frame being 1 already; the last frame held after two passes.
    for (auto [loops, ticks] : {std::pair{0, 1}, {0, 2}, {0, 3}, {2, 4}, {2, 6}}) {
        logo.Load(picture_of({100, 100, 100}, loops));
        logo.SetAnimate(true);
        for (int t = 0; t < ticks; ++t)
            logo.Tick();
        logo.SetAnimate(false);
        EXPECT_FALSE(timer.running) << ticks;
        EXPECT_EQ(logo.ShownFrame(), 1) << ticks;
        EXPECT_EQ(shown_colour(logo), 1u) << ticks;
        EXPECT_EQ(logo.FrameNumber(), 1) << ticks;

        // Switched on again, it starts over from frame 1 with a fresh pass count.
        logo.SetAnimate(true);
        EXPECT_EQ(logo.Passes(), 1);
        logo.Tick();
        EXPECT_EQ(shown_colour(logo), 1u) << ticks;
        logo.Tick();
        EXPECT_EQ(shown_colour(logo), 2u) << ticks;
        logo.SetAnimate(false);
    }
}

TEST_F(Animation, SwitchingOnTwiceChangesNothingAndStrayTicksAreIgnored)
{
    logo.Load(picture_of({100, 100}, 0));
    logo.Tick();
    EXPECT_EQ(logo.ShownFrame(), 1);
    logo.SetAnimate(true);
    logo.Tick();
    logo.Tick();
    logo.SetAnimate(true);
    EXPECT_EQ(logo.ShownFrame(), 2);
    EXPECT_EQ(timer.intervals.size(), 3u);
}

TEST_F(Animation, AnEmptyPictureShowsNothingAndNeverStarts)
{
    logo.Load(Picture{});
    logo.SetAnimate(true);
    logo.Tick();
    logo.SetAnimate(false);
    EXPECT_EQ(logo.ShownFrame(), 0);
    EXPECT_FALSE(timer.running);
}

} // namespace
} // namespace orr::gif
