#pragma once

#include "orbit/mean_orbit.h"

namespace orvant {

// The sun's and the moon's pull on an orbit of 225 minutes or more: a secular drift of the
// elements, and periodic terms with the sun's and the moon's own periods. Set up once from the
// orbit at its epoch; every propagation then only evaluates.
class LunarSolar {
  public:
    // `epochDays` from 1950 January 0; `atEpoch` the mean orbit at the epoch, its mean motion
    // the recovered (not the published) one.
    LunarSolar(double epochDays, const MeanOrbit& atEpoch);

    const SecularRates& rates() const { return rates_; }
    // The drift `t` minutes after the epoch, added to the elements.
    void addSecular(double t, MeanOrbit& orbit) const;
    // The periodic terms `t` minutes after the epoch, added to the eccentricity, inclination,
    // node, argument of perigee and mean anomaly. A low inclination takes the node and perigee
    // through the direction of the node (Lyddane's form), so they stay defined near 0 degrees.
    void addPeriodic(double t, MeanOrbit& orbit) const;

    // The coefficients of one body's periodic terms, and its own motion.
    struct Periodics {
        double e2 = 0, e3 = 0, i2 = 0, i3 = 0, l2 = 0, l3 = 0, l4 = 0;
        double gh2 = 0, gh3 = 0, gh4 = 0, h2 = 0, h3 = 0;
        double meanAnomalyAtEpoch = 0;  // radians
        double meanMotion = 0;          // radians per minute
        double eccentricity = 0;
    };

  private:
    Periodics sun_;
    Periodics moon_;
    SecularRates rates_;
};

}  // namespace orvant
