#include "tasks/scheduler.h"

#include <cmath>

#include "catalogue/date_time.h"

namespace {

// What is left of a countdown after its last tick, at most, from rounding alone.
constexpr double kResidue = 1e-3;

// A damaged settings value (infinite, not a number) counts as midnight.
double SafeTimeOfDay(double dateTime) {
    return std::isfinite(dateTime) ? TimeOfDayFraction(dateTime) : 0;
}

}  // namespace

double ArmedInterval(double intervalTime) {
    return SafeTimeOfDay(intervalTime);
}

double ArmedDaily(double dailyTime, double now) {
    double ahead = SafeTimeOfDay(dailyTime) - SafeTimeOfDay(now);
    return ahead > 0 ? ahead : ahead + 1;
}

double CountedDown(double remaining, double tickDays) {
    // Subtracting a tick of 1/86400 leaves rounding residue: without the tolerance a
    // countdown of 00:17:00 would need 1021 ticks, one more than its seconds.
    double left = remaining - tickDays;
    return left > tickDays * kResidue ? left : 0;
}

bool IntervalDue(bool ticked, double remaining, double intervalTime) {
    return ticked && remaining == 0 && SafeTimeOfDay(intervalTime) > 0;
}

bool DailyDue(bool ticked, double remaining) {
    return ticked && remaining == 0;
}
