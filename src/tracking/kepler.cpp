#include "tracking/kepler.h"

#include <cmath>
#include <numbers>

namespace orvant {

namespace {

constexpr double kTolerance = 0.00001;  // radians

// Started at the mean anomaly, the steps settle within ten for eccentricities up to 0.97. In
// still more eccentric orbits, near perigee, they can wander for thousands of steps, stalling the
// polling loop, or run off to an infinite anomaly that leaves the bearing undefined; past this
// many steps the solution is started again from the far side of the orbit.
constexpr int kMaxIterations = 50;

KeplerSolution newtonFrom(double start, double M, double e) {
    KeplerSolution s;
    s.eccentricAnomaly = start;
    while (s.iterations < kMaxIterations) {
        s.C = std::cos(s.eccentricAnomaly);
        s.S = std::sin(s.eccentricAnomaly);
        s.DNOM = 1 - e * s.C;
        const double D = (s.eccentricAnomaly - e * s.S - M) / s.DNOM;
        s.eccentricAnomaly = s.eccentricAnomaly - D;
        ++s.iterations;
        if (std::abs(D) < kTolerance) {
            s.converged = true;
            break;
        }
    }
    return s;
}

}  // namespace

KeplerSolution solveKepler(double meanAnomaly, double eccentricity) {
    const KeplerSolution fromMean = newtonFrom(meanAnomaly, meanAnomaly, eccentricity);
    if (fromMean.converged) return fromMean;
    // Started at EA = pi, Newton's steps on Kepler's equation settle for every eccentricity
    // below 1 and every mean anomaly.
    return newtonFrom(std::numbers::pi, meanAnomaly, eccentricity);
}

}  // namespace orvant
