#pragma once

#include <numbers>

namespace orvant::orbit {

// Constants of the orbit model. The conversion factors are the ones the model has always used
// (nine significant digits), so that its results stay the same to the last degree.
constexpr double kRad = 0.017453292;  // degrees to radians
constexpr double kDeg = 57.29577951;  // radians to degrees
constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kRE = 6378.14;      // earth equatorial radius, km
constexpr double kFL = 1 / 298.257;  // earth flattening
constexpr double kGM = 398600;       // gravitational parameter, km^3/s^2
constexpr double kJ2 = 0.00108263;   // second zonal harmonic
constexpr double kYT = 365.242197;   // tropical year, days
constexpr double kSecondsPerDay = 86400;
constexpr double kG0 = 98.9821;  // Greenwich hour angle of Aries on 2000 January 0, degrees

}  // namespace orvant::orbit
