#pragma once

namespace orvant {

// An element set as SGP4 takes it: the model's own mean elements (not an osculating orbit), in
// the units the element sets are published in.
struct MeanElements {
    double epochDays = 0;   // days from 1950 January 0, 0h UTC
    double meanMotion = 0;  // revolutions per day
    double eccentricity = 0;
    double inclinationDeg = 0;
    double raanDeg = 0;  // right ascension of the ascending node
    double argPerigeeDeg = 0;
    double meanAnomalyDeg = 0;
    double bstar = 0;  // drag term, per earth radius
};

}  // namespace orvant
