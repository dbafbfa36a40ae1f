#pragma once
// The auto-wash countdowns: days left until the next interval wash and the next daily wash.
// They count main-timer ticks, not wall-clock time, so time spent inside a wash (the timer is
// paused) or while the message loop is blocked is not counted. Pure arithmetic, no clock.
//
// Times are date-times in days; their fraction is the time of day (0.5 = noon).

// The main timer's interval in days.
constexpr double kSchedulerTickDays = 1000.0 / 86400000.0;

// Days until the next interval wash: the interval picker's time of day.
double ArmedInterval(double intervalTime);
// Days until the next daily wash. A daily time equal to the current time of day lies a full
// day ahead, never now.
double ArmedDaily(double dailyTime, double now);
// One tick of `tickDays`; a countdown that would reach 0 or less becomes exactly 0.
double CountedDown(double remaining, double tickDays = kSchedulerTickDays);

// Whether a trigger fires on this tick, after the counting. A countdown left at 0 fires on
// the first tick after its box is ticked; an interval of 00:00:00 never fires.
bool IntervalDue(bool ticked, double remaining, double intervalTime);
bool DailyDue(bool ticked, double remaining);
