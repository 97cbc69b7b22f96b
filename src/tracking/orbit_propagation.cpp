#include "tracking/orbit_propagation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tracking/orbit_constants.h"
#include "tracking/orbit_model.h"

namespace orvant {

using namespace orbit;

namespace {

// A position and velocity turned from orbit-plane axes (x toward perigee) to celestial axes by
// the argument of perigee AP, the node RAAN and the inclination.
struct CelestialMotion {
    Vec3 position;
    Vec3 velocity;
};

CelestialMotion toCelestial(const OrbitState& orbit, double T, double KDP, double Sx, double Sy,
                            double Vx, double Vy) {
    const double AP = orbit.argPerigee + orbit.WD * T * KDP;
    const double CW = std::cos(AP);
    const double SW = std::sin(AP);
    const double RAAN = orbit.raan + orbit.QD * T * KDP;
    const double CQ = std::cos(RAAN);
    const double SQ = std::sin(RAAN);
    const double CI = orbit.CI;
    const double SI = orbit.SI;

    const double CXx = CW * CQ - SW * CI * SQ;
    const double CXy = -SW * CQ - CW * CI * SQ;
    const double CYx = CW * SQ + SW * CI * CQ;
    const double CYy = -SW * SQ + CW * CI * CQ;
    const double CZx = SW * SI;
    const double CZy = CW * SI;

    return {{Sx * CXx + Sy * CXy, Sx * CYx + Sy * CYy, Sx * CZx + Sy * CZy},
            {Vx * CXx + Vy * CXy, Vx * CYx + Vy * CYy, Vx * CZx + Vy * CZy}};
}

// Turns a celestial vector into the earth-fixed frame, whose x axis stands at the Greenwich hour
// angle GHAA.
Vec3 toEarthFixed(const Vec3& v, double GHAA) {
    const double C = std::cos(-GHAA);
    const double S = std::sin(-GHAA);
    return {v.x * C - v.y * S, v.x * S + v.y * C, v.z};
}

}  // namespace

double daysSinceEpoch(const OrbitState& orbit, const CalendarDate& date, const LocalDateTime& clock,
                      double timeOffsetHours) {
    const int DN = ConvDay(date.year, date.month, date.day);
    const double TN =
        (clock.hour - timeOffsetHours + clock.minute / 60.0 + clock.second / 3600.0) / 24;
    return DN + TN - orbit.TEG;
}

SatelliteFix propagate(const OrbitState& orbit, double T) {
    SatelliteFix fix;
    const double DT = orbit.DC * T / 2;
    const double KD = 1 + 4 * DT;
    const double KDP = 1 - 7 * DT;

    double M = orbit.meanAnomaly + orbit.meanMotion * T * (1 - 3 * DT);
    const double DR = std::floor(M / kTwoPi);
    M = M - kTwoPi * DR;
    fix.meanAnomaly = M;

    const double e = orbit.eccentricity;
    fix.kepler = solveKepler(M, e);
    const double C = fix.kepler.C;
    const double S = fix.kepler.S;
    const double DNOM = fix.kepler.DNOM;

    const double A = orbit.A0 * KD;
    const double B = orbit.B0 * KD;
    const double Sx = A * (C - e);
    const double Sy = B * S;
    const double Vx = -A * S / DNOM * orbit.N0;
    const double Vy = B * C / DNOM * orbit.N0;

    const CelestialMotion sat = toCelestial(orbit, T, KDP, Sx, Sy, Vx, Vy);
    const double GHAA = orbit.GHAE + orbit.WE * T;
    fix.position = toEarthFixed(sat.position, GHAA);
    fix.velocity = toEarthFixed(sat.velocity, GHAA);
    return fix;
}

LookAngles lookAngles(const OrbitState& orbit, const SatelliteFix& fix) {
    const Vec3 range = fix.position - orbit.O;
    const Vec3 R = range / length(range);
    const double u = dot(R, orbit.U);
    const double e = R.x * orbit.E.x + R.y * orbit.E.y;
    const double n = dot(R, orbit.N);

    LookAngles look;
    look.rangeRate = dot(fix.velocity - orbit.VO, R);
    // arctan never gives a negative angle, so the azimuth needs no folding into 0..360.
    look.azimuthDeg = kDeg * arctan(e, n);
    look.elevationDeg = elevationDegrees(u);
    return look;
}

double elevationDegrees(double u) {
    const double up = std::clamp(u, -1.0, 1.0);
    const double horizontal = std::sqrt(1 - up * up);
    if (horizontal == 0) return std::copysign(90.0, up);
    return kDeg * std::atan(up / horizontal);
}

std::int16_t orbitPhase256(double meanAnomaly) {
    // The mean anomaly lies in [0, 2 pi) but for the rounding of its reduction; 256ths of a
    // revolution count round, so a rounding that lands on 2 pi (or just below 0) folds back. An
    // element set far out of the ordinary (a mean anomaly of 1e40 degrees) leaves an anomaly that
    // no reduction brings back: the count is folded while it is still a floating value, where it
    // cannot overflow.
    const double phase = std::fmod(std::floor(meanAnomaly * 128 / std::numbers::pi), 256);
    return static_cast<std::int16_t>(std::fmod(phase + 256, 256));
}

}  // namespace orvant
