#pragma once

namespace orvant {

// An orbit's elements at one moment of a propagation: angles in radians, the mean motion in
// radians per minute.
struct MeanOrbit {
    double eccentricity = 0;
    double inclination = 0;
    double node = 0;  // right ascension of the ascending node
    double argPerigee = 0;
    double meanAnomaly = 0;
    double meanMotion = 0;
};

// How fast the sun and the moon turn an orbit's elements, in radians (of eccentricity: units)
// per minute.
struct SecularRates {
    double eccentricity = 0;
    double inclination = 0;
    double meanAnomaly = 0;
    double argPerigee = 0;
    double node = 0;
};

}  // namespace orvant
