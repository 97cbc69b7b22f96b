#pragma once

#include <optional>

#include "orbit/mean_orbit.h"

namespace orvant {

// What the resonance set-up needs of an orbit at its epoch: the recovered mean motion, the
// elements, the near-earth secular rates (radians per minute) and the sun's and moon's drifts.
struct ResonanceSetup {
    MeanOrbit atEpoch;
    double meanAnomalyRate = 0;  // including the earth's oblateness
    double nodeRate = 0;
    double argPerigeeRate = 0;
    SecularRates lunarSolar;
    double siderealAngle = 0;  // Greenwich sidereal angle at the epoch, radians
};

// The earth's tesseral harmonics on orbits whose period is in step with its turn: a day
// (geostationary orbits) or half a day with an eccentric orbit (Molniya-like). The mean motion and
// the mean longitude are integrated in steps of half a day from the epoch; the last step reached
// is remembered, as the model's own integrator does, which changes no result.
class Resonance {
  public:
    // The resonance of the orbit, or none when its period is in step with neither.
    static std::optional<Resonance> of(const ResonanceSetup& setup);

    // `t` minutes after the epoch: sets the mean anomaly and the mean motion of `orbit`, whose
    // node and argument of perigee already carry their secular drift to `t`.
    void apply(double t, MeanOrbit& orbit) const;

  private:
    enum class Kind { OneDay, HalfDay };
    Resonance() = default;
    void setUpOneDay(const ResonanceSetup& setup, double aRatio);
    void setUpHalfDay(const ResonanceSetup& setup, double aRatio);
    struct Rates {
        double longitudeRate, meanMotionRate, meanMotionAcceleration;
    };
    Rates ratesAt(double time, double longitude, double meanMotion) const;

    // Where the integration stood at a step: minutes from the epoch, the resonant longitude and
    // the mean motion. The last step reached is kept so that the next propagation, a moment on,
    // need not integrate from the epoch again; it changes no result.
    struct Step {
        double time, longitude, meanMotion;
    };
    mutable Step reached_{0, 0, 0};

    Kind kind_ = Kind::OneDay;
    double n0_ = 0;                // the recovered mean motion at the epoch
    double longitudeAtEpoch_ = 0;  // the resonant longitude
    double rateOffset_ = 0;        // its rate beyond the mean motion
    double siderealAngle_ = 0;
    double argPerigee0_ = 0;
    double argPerigeeRate_ = 0;
    // One-day terms.
    double del1_ = 0, del2_ = 0, del3_ = 0;
    // Half-day terms.
    double d2201_ = 0, d2211_ = 0, d3210_ = 0, d3222_ = 0, d4410_ = 0, d4422_ = 0;
    double d5220_ = 0, d5232_ = 0, d5421_ = 0, d5433_ = 0;
};

}  // namespace orvant
