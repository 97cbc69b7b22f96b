#pragma once

#include <cmath>

// The earth that two-line element sets are fitted with (WGS-72): SGP4 must use the same
// constants, or it gives back other orbits than the ones the sets describe.
namespace orvant::wgs72 {

inline constexpr double kMu = 398600.8;        // gravitational parameter, km^3/s^2
inline constexpr double kRadiusKm = 6378.135;  // equatorial radius
inline constexpr double kJ2 = 0.001082616;     // zonal harmonics
inline constexpr double kJ3 = -0.00000253881;
inline constexpr double kJ4 = -0.00000165597;
inline constexpr double kJ3OverJ2 = kJ3 / kJ2;

// The square root of the gravitational parameter in the model's own units: earth radii^1.5 per
// minute.
inline const double kXke = 60.0 / std::sqrt(kRadiusKm * kRadiusKm * kRadiusKm / kMu);
// One earth radius per model time unit (1 / kXke minutes), in km/s.
inline const double kVelocityKmS = kRadiusKm * kXke / 60.0;

}  // namespace orvant::wgs72
