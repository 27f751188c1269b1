#include "preview/FrameTimer.h"

#include <gtest/gtest.h>

#include <QThread>

namespace {

// A kept schedule has run on for the time slept before the call; a restarted one counts its
// whole interval from the call.
TEST(FrameTimer, KeepsTheRunningScheduleUnlessTheIntervalChanges)
{
    struct Step {
        int interval;
        bool stopFirst;
        bool restarted; // while running
        int expected;
    };
    const Step steps[] = {
        {10000, false, false, 10000}, // the interval it runs with
        {20000, false, true, 20000},
        {20000, false, false, 20000},
        {10000, true, false, 10000}, // a stopped timer takes the length and stays stopped
    };
    preview::FrameTimer timer;
    EXPECT_EQ(timer.timerType(), Qt::PreciseTimer);
    EXPECT_FALSE(timer.isSingleShot());
    timer.start(10000);
    for (const Step &s : steps) {
        SCOPED_TRACE(s.interval);
        if (s.stopFirst)
            timer.stop();
        QThread::msleep(100);
        timer.setFrameInterval(s.interval);
        EXPECT_EQ(timer.isActive(), !s.stopFirst);
        EXPECT_EQ(timer.interval(), s.expected);
        if (s.stopFirst)
            continue;
        if (s.restarted)
            EXPECT_GT(timer.remainingTime(), s.interval - 50);
        else
            EXPECT_LE(timer.remainingTime(), s.interval - 100);
    }
    timer.start();
    timer.setFrameInterval(-5);
    EXPECT_EQ(timer.interval(), 0) << "no negative lengths";
}

} // namespace
