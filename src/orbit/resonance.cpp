#include "orbit/resonance.h"

#include <cmath>
#include <numbers>

#include "orbit/wgs72.h"

namespace orvant {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
// The earth's turn against the stars, radians per minute.
constexpr double kEarthRate = 4.37526908801129966e-3;
// Integration step (minutes) and half its square.
constexpr double kStep = 720;
constexpr double kHalfStepSquared = kStep * kStep / 2;

// Mean motions (radians per minute) in step with the earth: about one revolution a day, or about
// two with an eccentricity of 0.5 or more.
constexpr double kOneDayLow = 0.0034906585;
constexpr double kOneDayHigh = 0.0052359877;
constexpr double kHalfDayLow = 8.26e-3;
constexpr double kHalfDayHigh = 9.24e-3;
constexpr double kHalfDayEccentricity = 0.5;

// Phases of the one-day terms.
constexpr double kFasx2 = 0.13130908;
constexpr double kFasx4 = 2.8843198;
constexpr double kFasx6 = 0.37448087;
constexpr double kQ22 = 1.7891679e-6;
constexpr double kQ31 = 2.1460748e-6;
constexpr double kQ33 = 2.2123015e-7;
// Phases and strengths of the half-day terms.
constexpr double kG22 = 5.7686396;
constexpr double kG32 = 0.95240898;
constexpr double kG44 = 1.8014998;
constexpr double kG52 = 1.0508330;
constexpr double kG54 = 4.4108898;
constexpr double kRoot22 = 1.7891679e-6;
constexpr double kRoot32 = 3.7393792e-7;
constexpr double kRoot44 = 7.3636953e-9;
constexpr double kRoot52 = 1.1428639e-7;
constexpr double kRoot54 = 2.1765803e-9;

// The eccentricity functions of the half-day terms, fitted piecewise in the eccentricity.
struct HalfDayG {
    double g201, g211, g310, g322, g410, g422, g520, g521, g532, g533;
};

HalfDayG halfDayG(double e) {
    const double e2 = e * e;
    const double e3 = e * e2;
    HalfDayG g{};
    g.g201 = -0.306 - (e - 0.64) * 0.440;
    if (e <= 0.65) {
        g.g211 = 3.616 - 13.2470 * e + 16.2900 * e2;
        g.g310 = -19.302 + 117.3900 * e - 228.4190 * e2 + 156.5910 * e3;
        g.g322 = -18.9068 + 109.7927 * e - 214.6334 * e2 + 146.5816 * e3;
        g.g410 = -41.122 + 242.6940 * e - 471.0940 * e2 + 313.9530 * e3;
        g.g422 = -146.407 + 841.8800 * e - 1629.014 * e2 + 1083.4350 * e3;
        g.g520 = -532.114 + 3017.977 * e - 5740.032 * e2 + 3708.2760 * e3;
    } else {
        g.g211 = -72.099 + 331.819 * e - 508.738 * e2 + 266.724 * e3;
        g.g310 = -346.844 + 1582.851 * e - 2415.925 * e2 + 1246.113 * e3;
        g.g322 = -342.585 + 1554.908 * e - 2366.899 * e2 + 1215.972 * e3;
        g.g410 = -1052.797 + 4758.686 * e - 7193.992 * e2 + 3651.957 * e3;
        g.g422 = -3581.690 + 16178.110 * e - 24462.770 * e2 + 12422.520 * e3;
        g.g520 = e > 0.715 ? -5149.66 + 29936.92 * e - 54087.36 * e2 + 31324.56 * e3
                           : 1464.74 - 4664.75 * e + 3763.64 * e2;
    }
    if (e < 0.7) {
        g.g533 = -919.22770 + 4988.6100 * e - 9064.7700 * e2 + 5542.21 * e3;
        g.g521 = -822.71072 + 4568.6173 * e - 8491.4146 * e2 + 5337.524 * e3;
        g.g532 = -853.66600 + 4690.2500 * e - 8624.7700 * e2 + 5341.4 * e3;
    } else {
        g.g533 = -37995.780 + 161616.52 * e - 229838.20 * e2 + 109377.94 * e3;
        g.g521 = -51752.104 + 218913.95 * e - 309468.16 * e2 + 146349.42 * e3;
        g.g532 = -40023.880 + 170470.89 * e - 242699.48 * e2 + 115605.82 * e3;
    }
    return g;
}

}  // namespace

std::optional<Resonance> Resonance::of(const ResonanceSetup& setup) {
    const double n = setup.atEpoch.meanMotion;
    const double e = setup.atEpoch.eccentricity;
    const bool oneDay = n > kOneDayLow && n < kOneDayHigh;
    const bool halfDay = n >= kHalfDayLow && n <= kHalfDayHigh && e >= kHalfDayEccentricity;
    if (!oneDay && !halfDay) return std::nullopt;
    Resonance r;
    r.n0_ = n;
    r.siderealAngle_ = std::fmod(setup.siderealAngle, kTwoPi);
    r.argPerigee0_ = setup.atEpoch.argPerigee;
    r.argPerigeeRate_ = setup.argPerigeeRate;
    const double aRatio = std::pow(n / wgs72::kXke, 2.0 / 3.0);
    if (halfDay)
        r.setUpHalfDay(setup, aRatio);
    else
        r.setUpOneDay(setup, aRatio);
    return r;
}

void Resonance::setUpOneDay(const ResonanceSetup& s, double aRatio) {
    kind_ = Kind::OneDay;
    const MeanOrbit& o = s.atEpoch;
    const double cosi = std::cos(o.inclination);
    const double sini = std::sin(o.inclination);
    const double eSq = o.eccentricity * o.eccentricity;
    const double g200 = 1 + eSq * (-2.5 + 0.8125 * eSq);
    const double g310 = 1 + 2 * eSq;
    const double g300 = 1 + eSq * (-6 + 6.60937 * eSq);
    const double f220 = 0.75 * (1 + cosi) * (1 + cosi);
    const double f311 = 0.9375 * sini * sini * (1 + 3 * cosi) - 0.75 * (1 + cosi);
    const double f330 = 1.875 * (1 + cosi) * (1 + cosi) * (1 + cosi);
    const double del = 3 * o.meanMotion * o.meanMotion * aRatio * aRatio;
    del2_ = 2 * del * f220 * g200 * kQ22;
    del3_ = 3 * del * f330 * g300 * kQ33 * aRatio;
    del1_ = del * f311 * g310 * kQ31 * aRatio;
    longitudeAtEpoch_ = std::fmod(o.meanAnomaly + o.node + o.argPerigee - siderealAngle_, kTwoPi);
    rateOffset_ = s.meanAnomalyRate + (s.argPerigeeRate + s.nodeRate) - kEarthRate +
                  s.lunarSolar.meanAnomaly + s.lunarSolar.argPerigee + s.lunarSolar.node -
                  o.meanMotion;
}

void Resonance::setUpHalfDay(const ResonanceSetup& s, double aRatio) {
    kind_ = Kind::HalfDay;
    const MeanOrbit& o = s.atEpoch;
    const double cosi = std::cos(o.inclination);
    const double sini = std::sin(o.inclination);
    const double cosSq = cosi * cosi;
    const double sinSq = sini * sini;
    const HalfDayG g = halfDayG(o.eccentricity);
    const double f220 = 0.75 * (1 + 2 * cosi + cosSq);
    const double f221 = 1.5 * sinSq;
    const double f321 = 1.875 * sini * (1 - 2 * cosi - 3 * cosSq);
    const double f322 = -1.875 * sini * (1 + 2 * cosi - 3 * cosSq);
    const double f441 = 35 * sinSq * f220;
    const double f442 = 39.3750 * sinSq * sinSq;
    const double f522 =
        9.84375 * sini *
        (sinSq * (1 - 2 * cosi - 5 * cosSq) + 0.33333333 * (-2 + 4 * cosi + 6 * cosSq));
    const double f523 = sini * (4.92187512 * sinSq * (-2 - 4 * cosi + 10 * cosSq) +
                                6.56250012 * (1 + 2 * cosi - 3 * cosSq));
    const double f542 = 29.53125 * sini * (2 - 8 * cosi + cosSq * (-12 + 8 * cosi + 10 * cosSq));
    const double f543 = 29.53125 * sini * (-2 - 8 * cosi + cosSq * (12 + 8 * cosi - 10 * cosSq));

    const double nSq = o.meanMotion * o.meanMotion;
    double scale = 3 * nSq * (aRatio * aRatio);
    d2201_ = scale * kRoot22 * f220 * g.g201;
    d2211_ = scale * kRoot22 * f221 * g.g211;
    scale = scale * aRatio;
    d3210_ = scale * kRoot32 * f321 * g.g310;
    d3222_ = scale * kRoot32 * f322 * g.g322;
    scale = scale * aRatio;
    d4410_ = 2 * scale * kRoot44 * f441 * g.g410;
    d4422_ = 2 * scale * kRoot44 * f442 * g.g422;
    scale = scale * aRatio;
    d5220_ = scale * kRoot52 * f522 * g.g520;
    d5232_ = scale * kRoot52 * f523 * g.g532;
    d5421_ = 2 * scale * kRoot54 * f542 * g.g521;
    d5433_ = 2 * scale * kRoot54 * f543 * g.g533;
    longitudeAtEpoch_ =
        std::fmod(o.meanAnomaly + o.node + o.node - siderealAngle_ - siderealAngle_, kTwoPi);
    rateOffset_ = s.meanAnomalyRate + s.lunarSolar.meanAnomaly +
                  2 * (s.nodeRate + s.lunarSolar.node - kEarthRate) - o.meanMotion;
}

Resonance::Rates Resonance::ratesAt(double time, double xli, double xni) const {
    Rates r{};
    r.longitudeRate = xni + rateOffset_;
    if (kind_ == Kind::OneDay) {
        r.meanMotionRate = del1_ * std::sin(xli - kFasx2) + del2_ * std::sin(2 * (xli - kFasx4)) +
                           del3_ * std::sin(3 * (xli - kFasx6));
        r.meanMotionAcceleration =
            (del1_ * std::cos(xli - kFasx2) + 2 * del2_ * std::cos(2 * (xli - kFasx4)) +
             3 * del3_ * std::cos(3 * (xli - kFasx6))) *
            r.longitudeRate;
        return r;
    }
    const double w = argPerigee0_ + argPerigeeRate_ * time;
    const double w2 = w + w;
    const double l2 = xli + xli;
    r.meanMotionRate = d2201_ * std::sin(w2 + xli - kG22) + d2211_ * std::sin(xli - kG22) +
                       d3210_ * std::sin(w + xli - kG32) + d3222_ * std::sin(-w + xli - kG32) +
                       d4410_ * std::sin(w2 + l2 - kG44) + d4422_ * std::sin(l2 - kG44) +
                       d5220_ * std::sin(w + xli - kG52) + d5232_ * std::sin(-w + xli - kG52) +
                       d5421_ * std::sin(w + l2 - kG54) + d5433_ * std::sin(-w + l2 - kG54);
    r.meanMotionAcceleration =
        (d2201_ * std::cos(w2 + xli - kG22) + d2211_ * std::cos(xli - kG22) +
         d3210_ * std::cos(w + xli - kG32) + d3222_ * std::cos(-w + xli - kG32) +
         d5220_ * std::cos(w + xli - kG52) + d5232_ * std::cos(-w + xli - kG52) +
         2 * (d4410_ * std::cos(w2 + l2 - kG44) + d4422_ * std::cos(l2 - kG44) +
              d5421_ * std::cos(w + l2 - kG54) + d5433_ * std::cos(-w + l2 - kG54))) *
        r.longitudeRate;
    return r;
}

void Resonance::apply(double t, MeanOrbit& o) const {
    // Half-day steps from the epoch; from the step last reached instead, when that lies on the
    // way (the steps are the same ones either way).
    Step at = reached_;
    if (at.time == 0 || t * at.time <= 0 || std::fabs(t) < std::fabs(at.time))
        at = {0, longitudeAtEpoch_, n0_};
    double& time = at.time;
    double& xli = at.longitude;
    double& xni = at.meanMotion;
    const double step = t > 0 ? kStep : -kStep;
    Rates r = ratesAt(time, xli, xni);
    while (std::fabs(t - time) >= kStep) {
        xli = xli + r.longitudeRate * step + r.meanMotionRate * kHalfStepSquared;
        xni = xni + r.meanMotionRate * step + r.meanMotionAcceleration * kHalfStepSquared;
        time = time + step;
        r = ratesAt(time, xli, xni);
    }
    reached_ = at;
    const double ft = t - time;
    const double n = xni + r.meanMotionRate * ft + r.meanMotionAcceleration * ft * ft * 0.5;
    const double xl = xli + r.longitudeRate * ft + r.meanMotionRate * ft * ft * 0.5;
    const double theta = std::fmod(siderealAngle_ + t * kEarthRate, kTwoPi);
    if (kind_ == Kind::HalfDay)
        o.meanAnomaly = xl - 2 * o.node + 2 * theta;
    else
        o.meanAnomaly = xl - o.node - o.argPerigee + theta;
    o.meanMotion = n0_ + (n - n0_);
}

}  // namespace orvant
