#pragma once

#include "config/satellite_record.h"

namespace orvant::testing {

// The ISS on its element set of 2018 January 20 (epoch 18020.89808844), as the element file
// gives it.
inline ElementSet issElements2018() {
    ElementSet el;
    el.epochYear = 2018;
    el.epochDay = 20.89808844;
    el.decayRate = 0.00002078;
    el.inclination = 51.6424;
    el.raan = 32.9776;
    el.eccentricity = 0.0003646;
    el.argPerigee = 28.7227;
    el.meanAnomaly = 39.5332;
    el.meanMotion = 15.54190080;
    el.epochOrbit = 9561;
    el.bstar = 0.38550e-4;
    el.epochYearFull = 2018;
    return el;
}

}  // namespace orvant::testing
