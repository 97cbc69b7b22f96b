#pragma once

#include <cstdint>

#include "orbit/vec3.h"
#include "platform/local_time.h"
#include "station/orbit_state.h"
#include "tracking/kepler.h"
#include "ui/clock_date.h"

namespace orvant {

// The steps of one propagation of the orbit model, from a clock reading to the satellite's
// bearing.

// Days from the element epoch to the instant given by the program's date and the clock's time of
// day; the time offset (hours, local minus UTC) turns the clock's hour into UTC.
double daysSinceEpoch(const OrbitState& orbit, const CalendarDate& date, const LocalDateTime& clock,
                      double timeOffsetHours);

// The satellite `T` days after the epoch.
struct SatelliteFix {
    double meanAnomaly = 0;  // radians, within one revolution
    KeplerSolution kepler;
    Vec3 position;  // km, earth-fixed frame
    Vec3 velocity;  // km/s, inertial velocity in the axes of the earth-fixed frame
};
SatelliteFix propagate(const OrbitState& orbit, double T);

// The satellite as the station sees it, before rounding.
struct LookAngles {
    double azimuthDeg = 0;    // 0 <= azimuth <= 360
    double elevationDeg = 0;  // negative below the horizon
    double rangeRate = 0;     // km/s, positive when the satellite recedes
};
LookAngles lookAngles(const OrbitState& orbit, const SatelliteFix& fix);

// Elevation in degrees of a direction whose up component is `u`. A `u` that rounding has pushed
// past +-1 counts as the zenith (or nadir), which gives +-90.
double elevationDegrees(double u);

// Orbit phase in 256ths of a revolution, 0..255, from the mean anomaly in radians.
std::int16_t orbitPhase256(double meanAnomaly);

}  // namespace orvant
