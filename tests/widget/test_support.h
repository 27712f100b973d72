// Shared pieces of the widget tests: a standing clock and answering dialogs.
#pragma once

#include <QImage>
#include <gtest/gtest.h>
#include <vector>

#include "core/clock.h"
#include "core/dialogs.h"
#include "tests/support/recording_dialogs.h"

// Installs a fixed clock and recording dialogs for the length of a test.
class StandingClockTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        orr::set_clock(&clock_);
        orr::set_dialogs(&dialogs_);
    }
    void TearDown() override
    {
        orr::set_clock(nullptr);
        orr::set_dialogs(nullptr);
    }
    void stand_on(int year, int month, int day, int hour = 12)
    {
        clock_.set({year, month, day, hour, 0, 0, 0});
    }

    orr::FixedClock clock_{{2026, 12, 8, 12, 0, 0, 0}};
    RecordingDialogs dialogs_;
};

inline int count_colour(const QImage& image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    }
    return n;
}
