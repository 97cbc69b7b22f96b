#pragma once

#include <optional>

#include "orbit/lunar_solar.h"
#include "orbit/mean_elements.h"
#include "orbit/resonance.h"
#include "orbit/vec3.h"

namespace orvant {

// Why SGP4 gives no position, numbered as the model's own error codes are.
enum class Sgp4Fault {
    None = 0,
    MeanEccentricity = 1,       // the mean eccentricity left -0.001..1
    MeanMotion = 2,             // the mean motion is not positive
    PerturbedEccentricity = 3,  // the eccentricity left 0..1 under the sun's and moon's terms
    SemiLatusRectum = 4,        // the orbit's semi-latus rectum is negative
    Decayed = 6,                // the satellite is inside the earth
    NotANumber = 7,  // the element set gives no number (an overflow): ours, not the model's
};

// The fault in a few words ("decayed"), for the operator.
const char* faultText(Sgp4Fault fault);

// The satellite at one moment, in the frame the element sets are given in (TEME: true equator,
// mean equinox of the moment).
struct Sgp4State {
    Sgp4Fault fault = Sgp4Fault::None;
    Vec3 positionKm;
    Vec3 velocityKmS;
    double meanAnomaly = 0;  // radians, 0 up to 2 pi
};

// SGP4 (near-earth orbits, periods below 225 minutes) and SDP4 (deep space: the sun's and the
// moon's pull, the earth's resonances) on the WGS-72 earth, in the improved form of the 2006
// revision of the model. A value: set up once from an element set; a propagation depends on
// nothing but the element set and its time (the resonance's integration remembers only where it
// stood, to spare steps).
class Sgp4 {
  public:
    explicit Sgp4(const MeanElements& elements);

    // A fault the element set has at its epoch; a set with one places the satellite nowhere.
    Sgp4Fault setupFault() const { return setupFault_; }
    // The epoch, days from 1950 January 0, 0h UTC.
    double epochDays() const { return epochDays_; }
    // The satellite `minutes` after the epoch (before it when negative).
    Sgp4State at(double minutes) const;

  private:
    void setUpNearEarth();
    void setUpDeepSpace();
    void setUpDragPowers(double sfour, double tsi);
    MeanOrbit secularAt(double t, double& tempa, double& tempe, double& templ) const;

    Sgp4Fault setupFault_ = Sgp4Fault::None;
    double epochDays_ = 0;
    MeanOrbit epoch_;  // the elements at the epoch, the recovered mean motion
    double bstar_ = 0;

    double a0_ = 0;  // the recovered semi-major axis, earth radii
    double cosi_ = 0, sini_ = 0;
    double con41_ = 0, x1mth2_ = 0, x7thm1_ = 0;
    double eta_ = 0;
    double c1_ = 0, c4_ = 0, c5_ = 0;
    double d2_ = 0, d3_ = 0, d4_ = 0;
    double t2cof_ = 0, t3cof_ = 0, t4cof_ = 0, t5cof_ = 0;
    double mdot_ = 0, argpdot_ = 0, nodedot_ = 0, nodecf_ = 0;
    double omgcof_ = 0, xmcof_ = 0, delmo_ = 0, sinmao_ = 0;
    double xlcof_ = 0, aycof_ = 0;
    bool simpleDrag_ = false;  // a perigee below 220 km (or deep space): the drag's first term only
    std::optional<LunarSolar> lunarSolar_;
    std::optional<Resonance> resonance_;
};

}  // namespace orvant
