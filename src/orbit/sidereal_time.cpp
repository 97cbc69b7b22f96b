#include "orbit/sidereal_time.h"

#include <cmath>
#include <numbers>

namespace orvant {

namespace {

// Leap days in the years before `year`.
long leapDaysBefore(long year) {
    const long y = year - 1;
    return y / 4 - y / 100 + y / 400;
}

// J2000 (2000 January 1, 12h) in days from 1950 January 0.
constexpr double kJ2000Days = 18263.5;
constexpr double kDaysPerCentury = 36525;
constexpr double kSecondsPerDay = 86400;

}  // namespace

double daysFrom1950(int year, double dayOfYear) {
    const long wholeYears = year - 1950L;
    return static_cast<double>(365 * wholeYears + leapDaysBefore(year) - leapDaysBefore(1950)) +
           dayOfYear;
}

double greenwichSiderealAngle(double days) {
    const double T = (days - kJ2000Days) / kDaysPerCentury;  // Julian centuries from J2000
    const double seconds = 67310.54841 + (876600.0 * 3600 + 8640184.812866) * T + 0.093104 * T * T -
                           6.2e-6 * T * T * T;
    const double angle =
        std::fmod(seconds / kSecondsPerDay * 2 * std::numbers::pi, 2 * std::numbers::pi);
    return angle < 0 ? angle + 2 * std::numbers::pi : angle;
}

}  // namespace orvant
