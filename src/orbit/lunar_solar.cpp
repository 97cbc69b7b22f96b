#include "orbit/lunar_solar.h"

#include <cmath>
#include <numbers>

namespace orvant {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2 * kPi;

// The sun's apparent orbit: eccentricity, mean motion (radians per minute) and the strength of
// its pull in the model's units.
constexpr double kSunEccentricity = 0.01675;
constexpr double kSunMeanMotion = 1.19459e-5;
constexpr double kSunStrength = 2.9864797e-6;
// The sun's orbit against the equator: its argument of perigee and the obliquity of the
// ecliptic.
constexpr double kSunCosPerigee = 0.1945905;
constexpr double kSunSinPerigee = -0.98088458;
constexpr double kCosObliquity = 0.91744867;
constexpr double kSinObliquity = 0.39785416;

constexpr double kMoonEccentricity = 0.05490;
constexpr double kMoonMeanMotion = 1.5835218e-4;
constexpr double kMoonStrength = 4.7968065e-7;

// Below this inclination (3 degrees), or as near to retrograde, the node's drift is left out:
// the node itself is barely defined there.
constexpr double kLowInclination = 5.2359877e-2;
// From this inclination (about 11.5 degrees) up, the periodic terms go to the node and perigee
// directly.
constexpr double kLyddaneInclination = 0.2;

// A body's orbit seen from the satellite's: its argument of perigee (g), inclination (i) and
// node (h) against the satellite's orbit plane, as cosines and sines.
struct Orientation {
    double cosg, sing, cosi, sini, cosh, sinh;
};

// The satellite's orbit at its epoch as the terms need it.
struct Shape {
    double cosi, sini, cosw, sinw;  // inclination, argument of perigee
    double e, eSq, betaSq, beta;    // eccentricity, its square, 1 - e^2 and its root
    double inverseN;                // 1 / mean motion
};

// What the periodic and the secular terms of one body have in common.
struct BodyTerms {
    double s1, s2, s3, s4, s5, s6, s7;
    double z1, z2, z3, z11, z12, z13, z21, z22, z23, z31, z32, z33;
};

BodyTerms bodyTerms(const Orientation& b, const Shape& s, double strength) {
    const double a1 = b.cosg * b.cosh + b.sing * b.cosi * b.sinh;
    const double a3 = -b.sing * b.cosh + b.cosg * b.cosi * b.sinh;
    const double a7 = -b.cosg * b.sinh + b.sing * b.cosi * b.cosh;
    const double a8 = b.sing * b.sini;
    const double a9 = b.sing * b.sinh + b.cosg * b.cosi * b.cosh;
    const double a10 = b.cosg * b.sini;
    const double a2 = s.cosi * a7 + s.sini * a8;
    const double a4 = s.cosi * a9 + s.sini * a10;
    const double a5 = -s.sini * a7 + s.cosi * a8;
    const double a6 = -s.sini * a9 + s.cosi * a10;

    const double x1 = a1 * s.cosw + a2 * s.sinw;
    const double x2 = a3 * s.cosw + a4 * s.sinw;
    const double x3 = -a1 * s.sinw + a2 * s.cosw;
    const double x4 = -a3 * s.sinw + a4 * s.cosw;
    const double x5 = a5 * s.sinw;
    const double x6 = a6 * s.sinw;
    const double x7 = a5 * s.cosw;
    const double x8 = a6 * s.cosw;

    BodyTerms t{};
    t.z31 = 12 * x1 * x1 - 3 * x3 * x3;
    t.z32 = 24 * x1 * x2 - 6 * x3 * x4;
    t.z33 = 12 * x2 * x2 - 3 * x4 * x4;
    t.z1 = 3 * (a1 * a1 + a2 * a2) + t.z31 * s.eSq;
    t.z2 = 6 * (a1 * a3 + a2 * a4) + t.z32 * s.eSq;
    t.z3 = 3 * (a3 * a3 + a4 * a4) + t.z33 * s.eSq;
    t.z11 = -6 * a1 * a5 + s.eSq * (-24 * x1 * x7 - 6 * x3 * x5);
    t.z12 =
        -6 * (a1 * a6 + a3 * a5) + s.eSq * (-24 * (x2 * x7 + x1 * x8) - 6 * (x3 * x6 + x4 * x5));
    t.z13 = -6 * a3 * a6 + s.eSq * (-24 * x2 * x8 - 6 * x4 * x6);
    t.z21 = 6 * a2 * a5 + s.eSq * (24 * x1 * x5 - 6 * x3 * x7);
    t.z22 = 6 * (a4 * a5 + a2 * a6) + s.eSq * (24 * (x2 * x5 + x1 * x6) - 6 * (x4 * x7 + x3 * x8));
    t.z23 = 6 * a4 * a6 + s.eSq * (24 * x2 * x6 - 6 * x4 * x8);
    t.z1 = t.z1 + t.z1 + s.betaSq * t.z31;
    t.z2 = t.z2 + t.z2 + s.betaSq * t.z32;
    t.z3 = t.z3 + t.z3 + s.betaSq * t.z33;

    t.s3 = strength * s.inverseN;
    t.s2 = -0.5 * t.s3 / s.beta;
    t.s4 = t.s3 * s.beta;
    t.s1 = -15 * s.e * t.s4;
    t.s5 = x1 * x3 + x2 * x4;
    t.s6 = x2 * x3 + x1 * x4;
    t.s7 = x2 * x4 - x1 * x3;
    return t;
}

LunarSolar::Periodics periodicsOf(const BodyTerms& t, double bodyEccentricity, double eSq) {
    LunarSolar::Periodics p;
    p.e2 = 2 * t.s1 * t.s6;
    p.e3 = 2 * t.s1 * t.s7;
    p.i2 = 2 * t.s2 * t.z12;
    p.i3 = 2 * t.s2 * (t.z13 - t.z11);
    p.l2 = -2 * t.s3 * t.z2;
    p.l3 = -2 * t.s3 * (t.z3 - t.z1);
    p.l4 = -2 * t.s3 * (-21 - 9 * eSq) * bodyEccentricity;
    p.gh2 = 2 * t.s4 * t.z32;
    p.gh3 = 2 * t.s4 * (t.z33 - t.z31);
    p.gh4 = -18 * t.s4 * bodyEccentricity;
    p.h2 = -2 * t.s2 * t.z22;
    p.h3 = -2 * t.s2 * (t.z23 - t.z21);
    p.eccentricity = bodyEccentricity;
    return p;
}

SecularRates ratesOf(const BodyTerms& t, double bodyMeanMotion, double eSq) {
    const double n = bodyMeanMotion;
    return {.eccentricity = t.s1 * n * t.s5,
            .inclination = t.s2 * n * (t.z11 + t.z13),
            .meanAnomaly = -n * t.s3 * (t.z1 + t.z3 - 14 - 6 * eSq),
            .argPerigee = t.s4 * n * (t.z31 + t.z33 - 6),
            .node = -n * t.s2 * (t.z21 + t.z23)};
}

// One body's periodic terms `t` minutes after the epoch.
SecularRates periodicAt(const LunarSolar::Periodics& p, double t) {
    const double zm = p.meanAnomalyAtEpoch + p.meanMotion * t;
    const double zf = zm + 2 * p.eccentricity * std::sin(zm);
    const double sinzf = std::sin(zf);
    const double f2 = 0.5 * sinzf * sinzf - 0.25;
    const double f3 = -0.5 * sinzf * std::cos(zf);
    return {.eccentricity = p.e2 * f2 + p.e3 * f3,
            .inclination = p.i2 * f2 + p.i3 * f3,
            .meanAnomaly = p.l2 * f2 + p.l3 * f3 + p.l4 * sinzf,
            .argPerigee = p.gh2 * f2 + p.gh3 * f3 + p.gh4 * sinzf,
            .node = p.h2 * f2 + p.h3 * f3};
}

bool nearEquatorial(double inclination) {
    return inclination < kLowInclination || inclination > kPi - kLowInclination;
}

// The node and perigee drifts of both bodies; the sun's and the moon's drift of the node is
// left out near the equator, and both are turned from the orbit plane's axes to the node's.
void combineDrifts(SecularRates& rates, const SecularRates& sun, const SecularRates& moon,
                   const Shape& s, double inclination) {
    double sunNode = nearEquatorial(inclination) ? 0 : sun.node;
    double moonNode = nearEquatorial(inclination) ? 0 : moon.node;
    if (s.sini != 0) sunNode = sunNode / s.sini;
    rates.argPerigee = sun.argPerigee - s.cosi * sunNode + moon.argPerigee;
    rates.node = sunNode;
    if (s.sini != 0) {
        rates.argPerigee = rates.argPerigee - s.cosi / s.sini * moonNode;
        rates.node = rates.node + moonNode / s.sini;
    }
}

// Lyddane's form of the periodic terms for a low inclination: the node and the perigee are
// corrected through the direction of the orbit's pole, which stays defined near 0 degrees.
void addThroughPole(MeanOrbit& o, const SecularRates& p, double sini, double cosi) {
    const double sinop = std::sin(o.node);
    const double cosop = std::cos(o.node);
    const double alfdp = sini * sinop + (p.node * cosop + p.inclination * cosi * sinop);
    const double betdp = sini * cosop + (-p.node * sinop + p.inclination * cosi * cosop);
    const double node = std::fmod(o.node, kTwoPi);
    const double xls = o.meanAnomaly + o.argPerigee + cosi * node +
                       (p.meanAnomaly + p.argPerigee - p.inclination * node * sini);
    double newNode = std::atan2(alfdp, betdp);
    if (std::fabs(node - newNode) > kPi) newNode += newNode < node ? kTwoPi : -kTwoPi;
    o.node = newNode;
    o.meanAnomaly = o.meanAnomaly + p.meanAnomaly;
    o.argPerigee = xls - o.meanAnomaly - cosi * newNode;
}

}  // namespace

LunarSolar::LunarSolar(double epochDays, const MeanOrbit& o) {
    const Shape s{.cosi = std::cos(o.inclination),
                  .sini = std::sin(o.inclination),
                  .cosw = std::cos(o.argPerigee),
                  .sinw = std::sin(o.argPerigee),
                  .e = o.eccentricity,
                  .eSq = o.eccentricity * o.eccentricity,
                  .betaSq = 1 - o.eccentricity * o.eccentricity,
                  .beta = std::sqrt(1 - o.eccentricity * o.eccentricity),
                  .inverseN = 1 / o.meanMotion};
    const double cosNode = std::cos(o.node);
    const double sinNode = std::sin(o.node);

    // The moon's orbit at the epoch: its node regresses along the ecliptic.
    const double day = epochDays + 18261.5;  // days from 1900 January 0, 12h
    const double moonNode = std::fmod(4.5236020 - 9.2422029e-4 * day, kTwoPi);
    const double stem = std::sin(moonNode);
    const double ctem = std::cos(moonNode);
    const double cosil = 0.91375164 - 0.03568096 * ctem;
    const double sinil = std::sqrt(1 - cosil * cosil);
    const double sinhl = 0.089683511 * stem / sinil;
    const double coshl = std::sqrt(1 - sinhl * sinhl);
    const double gam = 5.8351514 + 0.0019443680 * day;
    const double zx =
        std::atan2(kSinObliquity * stem / sinil, coshl * ctem + kCosObliquity * sinhl * stem);
    const double moonPerigee = gam + zx - moonNode;

    const Orientation sunSeen{kSunCosPerigee, kSunSinPerigee, kCosObliquity,
                              kSinObliquity,  cosNode,        sinNode};
    const Orientation moonSeen{std::cos(moonPerigee),
                               std::sin(moonPerigee),
                               cosil,
                               sinil,
                               coshl * cosNode + sinhl * sinNode,
                               sinNode * coshl - cosNode * sinhl};
    const BodyTerms sun = bodyTerms(sunSeen, s, kSunStrength);
    const BodyTerms moon = bodyTerms(moonSeen, s, kMoonStrength);

    sun_ = periodicsOf(sun, kSunEccentricity, s.eSq);
    sun_.meanAnomalyAtEpoch = std::fmod(6.2565837 + 0.017201977 * day, kTwoPi);
    sun_.meanMotion = kSunMeanMotion;
    moon_ = periodicsOf(moon, kMoonEccentricity, s.eSq);
    moon_.meanAnomalyAtEpoch = std::fmod(4.7199672 + 0.22997150 * day - gam, kTwoPi);
    moon_.meanMotion = kMoonMeanMotion;

    const SecularRates sunRates = ratesOf(sun, kSunMeanMotion, s.eSq);
    const SecularRates moonRates = ratesOf(moon, kMoonMeanMotion, s.eSq);
    rates_.eccentricity = sunRates.eccentricity + moonRates.eccentricity;
    rates_.inclination = sunRates.inclination + moonRates.inclination;
    rates_.meanAnomaly = sunRates.meanAnomaly + moonRates.meanAnomaly;
    combineDrifts(rates_, sunRates, moonRates, s, o.inclination);
}

void LunarSolar::addSecular(double t, MeanOrbit& o) const {
    o.eccentricity += rates_.eccentricity * t;
    o.inclination += rates_.inclination * t;
    o.argPerigee += rates_.argPerigee * t;
    o.node += rates_.node * t;
    o.meanAnomaly += rates_.meanAnomaly * t;
}

void LunarSolar::addPeriodic(double t, MeanOrbit& o) const {
    const SecularRates sun = periodicAt(sun_, t);
    const SecularRates moon = periodicAt(moon_, t);
    const SecularRates p{.eccentricity = sun.eccentricity + moon.eccentricity,
                         .inclination = sun.inclination + moon.inclination,
                         .meanAnomaly = sun.meanAnomaly + moon.meanAnomaly,
                         .argPerigee = sun.argPerigee + moon.argPerigee,
                         .node = sun.node + moon.node};
    o.inclination += p.inclination;
    o.eccentricity += p.eccentricity;
    const double sini = std::sin(o.inclination);
    const double cosi = std::cos(o.inclination);
    if (o.inclination >= kLyddaneInclination) {
        const double node = p.node / sini;
        o.argPerigee += p.argPerigee - cosi * node;
        o.node += node;
        o.meanAnomaly += p.meanAnomaly;
    } else {
        addThroughPole(o, p, sini, cosi);
    }
}

}  // namespace orvant
