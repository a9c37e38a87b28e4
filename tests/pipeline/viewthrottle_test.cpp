#include "pipeline/viewthrottle.h"

#include <gtest/gtest.h>

namespace {

struct Throttled : ::testing::Test {
    qint64 now = 1000;
    ViewThrottle throttle{[this] { return now; }};
};

} // namespace

TEST_F(Throttled, RedrawsOnlyWhatChangedAndAtMostThirtyTimesASecond)
{
    EXPECT_FALSE(throttle.redrawDue()) << "nothing changed yet";
    throttle.changed();
    EXPECT_TRUE(throttle.redrawDue()) << "the first change shows at once";
    EXPECT_FALSE(throttle.redrawDue()) << "shown once";

    // A thousand changes in one second make about thirty redraws, and a
    // change held back still shows at the next chance after the interval.
    int redraws = 0;
    for (int i = 0; i < 1000; ++i) {
        ++now;
        throttle.changed();
        redraws += throttle.redrawDue() ? 1 : 0;
    }
    EXPECT_GE(redraws, 29);
    EXPECT_LE(redraws, 31);

    throttle.changed();
    EXPECT_FALSE(throttle.redrawDue());
    now += ViewThrottle::kRedrawIntervalMs;
    EXPECT_TRUE(throttle.redrawDue()) << "the held change is not lost";
    now += 1000;
    EXPECT_FALSE(throttle.redrawDue()) << "time alone redraws nothing";
}

TEST_F(Throttled, LetsWindowEventsInOftenEnoughForAbortToActAtOnce)
{
    EXPECT_TRUE(throttle.eventsDue());
    EXPECT_FALSE(throttle.eventsDue());
    int passes = 0;
    for (int ms = 0; ms < 100; ++ms) {
        ++now;
        passes += throttle.eventsDue() ? 1 : 0;
    }
    // A click is seen within one interval, well inside 100 ms.
    EXPECT_GE(passes, 100 / int(ViewThrottle::kEventIntervalMs) - 1);
    EXPECT_LE(passes, 100 / int(ViewThrottle::kEventIntervalMs) + 1);
}
