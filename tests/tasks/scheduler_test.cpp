// The auto-wash countdowns, tick by tick, as the main timer drives them.
#include "tasks/scheduler.h"

#include <gtest/gtest.h>

#include <limits>

#include "catalogue/date_time.h"

namespace {

double Clock(int hour, int minute, int second) {
    return (hour * 3600 + minute * 60 + second) / 86400.0;
}

// Ticks until the interval trigger fires, a wash after each firing re-arming it; 0 = never
// within `limit` ticks.
int TicksUntilIntervalFires(double& remaining, bool ticked, double interval, int limit) {
    for (int tick = 1; tick <= limit; ++tick) {
        remaining = CountedDown(remaining);
        if (IntervalDue(ticked, remaining, interval)) {
            remaining = ArmedInterval(interval);  // the wash is over: armed again
            return tick;
        }
    }
    return 0;
}

}  // namespace

TEST(Scheduler, TenMinuteIntervalFiresEvery600TicksCountedAfterEachWash) {
    double interval = Clock(0, 10, 0);
    double remaining = ArmedInterval(interval);
    EXPECT_EQ(TicksUntilIntervalFires(remaining, true, interval, 10000), 600);
    EXPECT_EQ(TicksUntilIntervalFires(remaining, true, interval, 10000), 600);
    // A picker value carries a date too; only its time of day counts.
    double onADate = EncodeDateTime({2026, 12, 8, 0, 10, 0});
    remaining = ArmedInterval(onADate);
    EXPECT_EQ(TicksUntilIntervalFires(remaining, true, onADate, 10000), 600);
}

// Rounding of 1/86400 steps must not cost an extra second on any interval.
TEST(Scheduler, EveryIntervalFiresAfterExactlyItsSecondsInTicks) {
    for (int seconds : {1, 59, 1020, 3600, 3601, 4321, 86340, 86399}) {
        double interval = seconds / 86400.0;
        double remaining = ArmedInterval(interval);
        EXPECT_EQ(TicksUntilIntervalFires(remaining, true, interval, 100000), seconds)
            << seconds << " s";
    }
}

TEST(Scheduler, ACountdownLeftAtZeroFiresOnTheFirstTickAfterItsBoxIsTicked) {
    double interval = Clock(0, 10, 0);
    double remaining = ArmedInterval(interval);
    EXPECT_EQ(TicksUntilIntervalFires(remaining, false, interval, 5000), 0);
    EXPECT_EQ(remaining, 0.0) << "an unticked countdown counts down and stays at 0";
    EXPECT_EQ(TicksUntilIntervalFires(remaining, true, interval, 5000), 1);
    EXPECT_GT(remaining, 0.0);
}

TEST(Scheduler, AnIntervalOfZeroNeverFires) {
    double remaining = ArmedInterval(Clock(0, 0, 0));
    EXPECT_EQ(remaining, 0.0);
    EXPECT_EQ(TicksUntilIntervalFires(remaining, true, 0.0, 100000), 0);
    EXPECT_EQ(remaining, 0.0);
    // A whole day stored as 1.0 is midnight too.
    EXPECT_FALSE(IntervalDue(true, 0, 1.0));
}

TEST(Scheduler, DailyTimeLiesAheadOnTheSameDayOrTheNext) {
    double now = EncodeDateTime({2026, 12, 8, 14, 0, 0});
    EXPECT_NEAR(ArmedDaily(Clock(17, 0, 0), now), Clock(3, 0, 0), 1e-9);
    EXPECT_NEAR(ArmedDaily(Clock(9, 30, 0), now), Clock(19, 30, 0), 1e-9);
    // The current time of day lies a full day ahead, not now.
    EXPECT_NEAR(ArmedDaily(Clock(14, 0, 0), now), 1.0, 1e-9);
    EXPECT_NEAR(ArmedDaily(now, now), 1.0, 1e-9);
    // One second before now: nearly a day.
    EXPECT_NEAR(ArmedDaily(Clock(13, 59, 59), now), 1.0 - Clock(0, 0, 1), 1e-9);
}

TEST(Scheduler, DailyCountdownFiresWhenItReachesZeroAndOnlyWhenTicked) {
    double now = EncodeDateTime({2026, 12, 8, 16, 59, 0});
    double remaining = ArmedDaily(Clock(17, 0, 0), now);
    int fired = 0;
    for (int tick = 1; tick <= 60; ++tick) {
        remaining = CountedDown(remaining);
        if (DailyDue(true, remaining))
            fired = tick;
    }
    EXPECT_EQ(fired, 60);
    EXPECT_FALSE(DailyDue(false, 0));
    EXPECT_FALSE(DailyDue(true, kSchedulerTickDays));
}

TEST(Scheduler, CountdownsNeverGoNegative) {
    EXPECT_EQ(CountedDown(0), 0.0);
    EXPECT_EQ(CountedDown(kSchedulerTickDays / 2), 0.0);
    EXPECT_EQ(CountedDown(-5), 0.0);
    EXPECT_NEAR(CountedDown(1.0), 1.0 - kSchedulerTickDays, 1e-12);
}

TEST(Scheduler, DamagedTimesCountAsMidnight) {
    for (double damaged :
         {std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_EQ(ArmedInterval(damaged), 0.0);
        EXPECT_FALSE(IntervalDue(true, 0, damaged));
        EXPECT_NEAR(ArmedDaily(damaged, Clock(12, 0, 0)), 0.5, 1e-9);
    }
}
