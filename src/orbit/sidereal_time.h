#pragma once

namespace orvant {

// Days from 1950 January 0, 0h, to day `dayOfYear` of `year` (Gregorian calendar): day 1.0 is
// January 1 at 0h, day 1.5 its noon. 2000 January 1, 12h (J2000) gives 18263.5.
double daysFrom1950(int year, double dayOfYear);

// The Greenwich mean sidereal angle in radians, 0 up to 2 pi, at `days` from 1950 January 0,
// 0h UT1 (the 1982 IAU expression). Element sets give positions in a frame that turns with it.
double greenwichSiderealAngle(double days);

}  // namespace orvant
