#pragma once

namespace orvant {

// Kepler's equation solved for the eccentric anomaly by Newton steps. C, S and DNOM are the
// values of the last step, taken before its correction was applied; the propagation uses them
// for the satellite's position and velocity in the orbit plane.
struct KeplerSolution {
    double eccentricAnomaly = 0;  // radians
    double C = 0;                 // cosine of the anomaly
    double S = 0;                 // sine of the anomaly
    double DNOM = 0;              // 1 - eccentricity * C
    int iterations = 0;           // Newton steps of the run that gave this solution
    bool converged = false;       // the last correction was below the tolerance
};

// Solves M = EA - e sin EA for EA, starting at EA = M, until a correction is below 0.00001
// radians. Meant for 0 <= e < 1.
KeplerSolution solveKepler(double meanAnomaly, double eccentricity);

}  // namespace orvant
