#include "orbit/sgp4.h"

#include <cmath>
#include <numbers>

#include "orbit/sidereal_time.h"
#include "orbit/wgs72.h"

namespace orvant {

using namespace wgs72;

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2 * kPi;
constexpr double kRad = kPi / 180;
constexpr double kTwoThirds = 2.0 / 3.0;
constexpr double kMinutesPerDay = 1440;

// Orbits of this period (minutes) or longer take the deep-space terms.
constexpr double kDeepSpacePeriod = 225;
// The density model: its reference altitude (km) and the perigee heights (km) below which it is
// moved down, and from which on only the first drag term is kept.
constexpr double kDensityAltitude = 78;
constexpr double kDensityTop = 120;
constexpr double kLowPerigee = 156;
constexpr double kVeryLowPerigee = 98;
constexpr double kSimpleDragPerigee = 220;
// Below this eccentricity the drag's perigee terms vanish.
constexpr double kNearlyCircular = 1.0e-4;
// Stands in for 1 + cos i on an exactly retrograde equatorial orbit.
constexpr double kSmallDivisor = 1.5e-12;
// The least eccentricity the propagation goes on with.
constexpr double kLeastEccentricity = 1.0e-6;
constexpr double kKeplerTolerance = 1.0e-12;
constexpr int kKeplerSteps = 10;
constexpr double kKeplerMaxStep = 0.95;

bool finite(const Vec3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

// The long-period coefficient of the mean longitude; 1 + cos i vanishes on a retrograde
// equatorial orbit.
double longitudeCoefficient(double sini, double cosi) {
    const double divisor = std::fabs(cosi + 1) > kSmallDivisor ? 1 + cosi : kSmallDivisor;
    return -0.25 * kJ3OverJ2 * sini * (3 + 5 * cosi) / divisor;
}

// The satellite's eccentric longitude from Kepler's equation in the form of equinoctial
// elements; sine and cosine as of the last step, before its correction.
struct Kepler {
    double sinE, cosE;
};

Kepler solveKepler(double u, double axnl, double aynl) {
    double eo1 = u;
    double step = 9999.9;
    Kepler k{0, 0};
    for (int i = 1; std::fabs(step) >= kKeplerTolerance && i <= kKeplerSteps; ++i) {
        k.sinE = std::sin(eo1);
        k.cosE = std::cos(eo1);
        step = 1 - k.cosE * axnl - k.sinE * aynl;
        step = (u - aynl * k.cosE + axnl * k.sinE - eo1) / step;
        if (std::fabs(step) >= kKeplerMaxStep) step = step > 0 ? kKeplerMaxStep : -kKeplerMaxStep;
        eo1 = eo1 + step;
    }
    return k;
}

}  // namespace

const char* faultText(Sgp4Fault fault) {
    switch (fault) {
        case Sgp4Fault::None:
            return "";
        case Sgp4Fault::MeanEccentricity:
            return "eccentricity out of range";
        case Sgp4Fault::MeanMotion:
            return "mean motion not positive";
        case Sgp4Fault::PerturbedEccentricity:
            return "perturbed eccentricity out of range";
        case Sgp4Fault::SemiLatusRectum:
            return "semi-latus rectum negative";
        case Sgp4Fault::Decayed:
            return "decayed";
        case Sgp4Fault::NotANumber:
            break;
    }
    return "no number";
}

Sgp4::Sgp4(const MeanElements& el) {
    epochDays_ = el.epochDays;
    bstar_ = el.bstar;
    epoch_.eccentricity = el.eccentricity;
    epoch_.inclination = el.inclinationDeg * kRad;
    epoch_.node = el.raanDeg * kRad;
    epoch_.argPerigee = el.argPerigeeDeg * kRad;
    epoch_.meanAnomaly = el.meanAnomalyDeg * kRad;
    const double kozai = el.meanMotion / (kMinutesPerDay / kTwoPi);  // radians per minute
    const double values[] = {el.epochDays,       kozai,       el.eccentricity,
                             epoch_.inclination, epoch_.node, epoch_.argPerigee,
                             epoch_.meanAnomaly, el.bstar};
    for (double v : values)
        if (!std::isfinite(v)) setupFault_ = Sgp4Fault::NotANumber;
    if (setupFault_ == Sgp4Fault::None && !(kozai > 0)) setupFault_ = Sgp4Fault::MeanMotion;
    if (setupFault_ == Sgp4Fault::None && !(el.eccentricity >= 0 && el.eccentricity < 1))
        setupFault_ = Sgp4Fault::MeanEccentricity;
    if (setupFault_ != Sgp4Fault::None) return;

    // The published mean motion is Kozai's; the model works with the original one, recovered
    // from it together with the semi-major axis.
    const double e = el.eccentricity;
    const double omeosq = 1 - e * e;
    const double rteosq = std::sqrt(omeosq);
    cosi_ = std::cos(epoch_.inclination);
    const double cosio2 = cosi_ * cosi_;
    const double ak = std::pow(kXke / kozai, kTwoThirds);
    const double d1 = 0.75 * kJ2 * (3 * cosio2 - 1) / (rteosq * omeosq);
    double del = d1 / (ak * ak);
    const double adel = ak * (1 - del * del - del * (1.0 / 3.0 + 134 * del * del / 81));
    del = d1 / (adel * adel);
    epoch_.meanMotion = kozai / (1 + del);
    a0_ = std::pow(kXke / epoch_.meanMotion, kTwoThirds);

    setUpNearEarth();
    if (kTwoPi / epoch_.meanMotion >= kDeepSpacePeriod) setUpDeepSpace();
    setupFault_ = at(0).fault;
}

void Sgp4::setUpNearEarth() {
    const double e = epoch_.eccentricity;
    const double n = epoch_.meanMotion;
    const double omeosq = 1 - e * e;
    const double rteosq = std::sqrt(omeosq);
    const double cosio2 = cosi_ * cosi_;
    sini_ = std::sin(epoch_.inclination);
    const double po = a0_ * omeosq;
    const double con42 = 1 - 5 * cosio2;
    con41_ = -con42 - cosio2 - cosio2;
    x1mth2_ = 1 - cosio2;
    x7thm1_ = 7 * cosio2 - 1;
    const double rp = a0_ * (1 - e);
    simpleDrag_ = rp < kSimpleDragPerigee / kRadiusKm + 1;

    // The atmosphere's density falls off above `sfour`, moved down for low perigees.
    double sfour = kDensityAltitude / kRadiusKm + 1;
    double qzms24 = std::pow((kDensityTop - kDensityAltitude) / kRadiusKm, 4);
    const double perigeeKm = (rp - 1) * kRadiusKm;
    if (perigeeKm < kLowPerigee) {
        sfour = perigeeKm < kVeryLowPerigee ? 20 : perigeeKm - kDensityAltitude;
        qzms24 = std::pow((kDensityTop - sfour) / kRadiusKm, 4);
        sfour = sfour / kRadiusKm + 1;
    }
    const double pinvsq = 1 / (po * po);
    const double tsi = 1 / (a0_ - sfour);
    eta_ = a0_ * e * tsi;
    const double etasq = eta_ * eta_;
    const double eeta = e * eta_;
    const double psisq = std::fabs(1 - etasq);
    const double coef = qzms24 * std::pow(tsi, 4);
    const double coef1 = coef / std::pow(psisq, 3.5);
    const double cc2 = coef1 * n *
                       (a0_ * (1 + 1.5 * etasq + eeta * (4 + etasq)) +
                        0.375 * kJ2 * tsi / psisq * con41_ * (8 + 3 * etasq * (8 + etasq)));
    c1_ = bstar_ * cc2;
    const double cc3 = e > kNearlyCircular ? -2 * coef * tsi * kJ3OverJ2 * n * sini_ / e : 0;
    c4_ =
        2 * n * coef1 * a0_ * omeosq *
        (eta_ * (2 + 0.5 * etasq) + e * (0.5 + 2 * etasq) -
         kJ2 * tsi / (a0_ * psisq) *
             (-3 * con41_ * (1 - 2 * eeta + etasq * (1.5 - 0.5 * eeta)) +
              0.75 * x1mth2_ * (2 * etasq - eeta * (1 + etasq)) * std::cos(2 * epoch_.argPerigee)));
    c5_ = 2 * coef1 * a0_ * omeosq * (1 + 2.75 * (etasq + eeta) + eeta * etasq);

    // Secular rates of the oblate earth.
    const double cosio4 = cosio2 * cosio2;
    const double temp1 = 1.5 * kJ2 * pinvsq * n;
    const double temp2 = 0.5 * temp1 * kJ2 * pinvsq;
    const double temp3 = -0.46875 * kJ4 * pinvsq * pinvsq * n;
    mdot_ = n + 0.5 * temp1 * rteosq * con41_ +
            0.0625 * temp2 * rteosq * (13 - 78 * cosio2 + 137 * cosio4);
    argpdot_ = -0.5 * temp1 * con42 + 0.0625 * temp2 * (7 - 114 * cosio2 + 395 * cosio4) +
               temp3 * (3 - 36 * cosio2 + 49 * cosio4);
    const double xhdot1 = -temp1 * cosi_;
    nodedot_ = xhdot1 + (0.5 * temp2 * (4 - 19 * cosio2) + 2 * temp3 * (3 - 7 * cosio2)) * cosi_;

    omgcof_ = bstar_ * cc3 * std::cos(epoch_.argPerigee);
    xmcof_ = e > kNearlyCircular ? -kTwoThirds * coef * bstar_ / eeta : 0;
    nodecf_ = 3.5 * omeosq * xhdot1 * c1_;
    t2cof_ = 1.5 * c1_;
    xlcof_ = longitudeCoefficient(sini_, cosi_);
    aycof_ = -0.5 * kJ3OverJ2 * sini_;
    const double delmotemp = 1 + eta_ * std::cos(epoch_.meanAnomaly);
    delmo_ = delmotemp * delmotemp * delmotemp;
    sinmao_ = std::sin(epoch_.meanAnomaly);
    if (!simpleDrag_ && kTwoPi / n < kDeepSpacePeriod) setUpDragPowers(sfour, tsi);
}

// The higher powers of time in the drag, for perigees above 220 km.
void Sgp4::setUpDragPowers(double sfour, double tsi) {
    const double cc1sq = c1_ * c1_;
    d2_ = 4 * a0_ * tsi * cc1sq;
    const double temp = d2_ * tsi * c1_ / 3;
    d3_ = (17 * a0_ + sfour) * temp;
    d4_ = 0.5 * temp * a0_ * tsi * (221 * a0_ + 31 * sfour) * c1_;
    t3cof_ = d2_ + 2 * cc1sq;
    t4cof_ = 0.25 * (3 * d3_ + c1_ * (12 * d2_ + 10 * cc1sq));
    t5cof_ = 0.2 * (3 * d4_ + 12 * c1_ * d3_ + 6 * d2_ * d2_ + 15 * cc1sq * (2 * d2_ + cc1sq));
}

void Sgp4::setUpDeepSpace() {
    simpleDrag_ = true;
    lunarSolar_.emplace(epochDays_, epoch_);
    resonance_ = Resonance::of({.atEpoch = epoch_,
                                .meanAnomalyRate = mdot_,
                                .nodeRate = nodedot_,
                                .argPerigeeRate = argpdot_,
                                .lunarSolar = lunarSolar_->rates(),
                                .siderealAngle = greenwichSiderealAngle(epochDays_)});
}

// The mean elements `t` minutes after the epoch under the oblate earth's secular terms, the
// atmosphere's drag and, in deep space, the sun, the moon and the resonances. Leaves the drag's
// factors on the semi-major axis (tempa, squared into `am` later), the eccentricity (tempe) and
// the mean longitude (templ).
MeanOrbit Sgp4::secularAt(double t, double& tempa, double& tempe, double& templ) const {
    const double xmdf = epoch_.meanAnomaly + mdot_ * t;
    const double argpdf = epoch_.argPerigee + argpdot_ * t;
    const double nodedf = epoch_.node + nodedot_ * t;
    const double t2 = t * t;
    MeanOrbit m = epoch_;
    m.argPerigee = argpdf;
    m.meanAnomaly = xmdf;
    m.node = nodedf + nodecf_ * t2;
    tempa = 1 - c1_ * t;
    tempe = bstar_ * c4_ * t;
    templ = t2cof_ * t2;
    if (!simpleDrag_) {
        const double delomg = omgcof_ * t;
        const double delmtemp = 1 + eta_ * std::cos(xmdf);
        const double delm = xmcof_ * (delmtemp * delmtemp * delmtemp - delmo_);
        const double temp = delomg + delm;
        m.meanAnomaly = xmdf + temp;
        m.argPerigee = argpdf - temp;
        const double t3 = t2 * t;
        const double t4 = t3 * t;
        tempa = tempa - d2_ * t2 - d3_ * t3 - d4_ * t4;
        tempe = tempe + bstar_ * c5_ * (std::sin(m.meanAnomaly) - sinmao_);
        templ = templ + t3cof_ * t3 + t4 * (t4cof_ + t * t5cof_);
    }
    if (lunarSolar_) {
        lunarSolar_->addSecular(t, m);
        if (resonance_) resonance_->apply(t, m);
    }
    return m;
}

Sgp4State Sgp4::at(double t) const {
    Sgp4State out;
    if (setupFault_ != Sgp4Fault::None) {
        out.fault = setupFault_;
        return out;
    }
    double tempa = 0, tempe = 0, templ = 0;
    MeanOrbit m = secularAt(t, tempa, tempe, templ);
    if (m.meanMotion <= 0) {
        out.fault = Sgp4Fault::MeanMotion;
        return out;
    }
    const double am = std::pow(kXke / m.meanMotion, kTwoThirds) * tempa * tempa;
    m.meanMotion = kXke / std::pow(am, 1.5);
    m.eccentricity = m.eccentricity - tempe;
    if (m.eccentricity >= 1 || m.eccentricity < -0.001 || am < 0.95) {
        out.fault = Sgp4Fault::MeanEccentricity;
        return out;
    }
    if (m.eccentricity < kLeastEccentricity) m.eccentricity = kLeastEccentricity;
    m.meanAnomaly = m.meanAnomaly + epoch_.meanMotion * templ;
    const double xlm = std::fmod(m.meanAnomaly + m.argPerigee + m.node, kTwoPi);
    m.node = std::fmod(m.node, kTwoPi);
    m.argPerigee = std::fmod(m.argPerigee, kTwoPi);
    m.meanAnomaly = std::fmod(xlm - m.argPerigee - m.node, kTwoPi);
    out.meanAnomaly = m.meanAnomaly < 0 ? m.meanAnomaly + kTwoPi : m.meanAnomaly;

    // Long-period terms: the sun's and the moon's in deep space, the earth's odd harmonic.
    MeanOrbit p = m;
    double sinip = sini_, cosip = cosi_;
    double con41 = con41_, x1mth2 = x1mth2_, x7thm1 = x7thm1_;
    double aycof = aycof_, xlcof = xlcof_;
    if (lunarSolar_) {
        lunarSolar_->addPeriodic(t, p);
        if (p.inclination < 0) {
            p.inclination = -p.inclination;
            p.node = p.node + kPi;
            p.argPerigee = p.argPerigee - kPi;
        }
    }
    if (p.eccentricity < 0 || p.eccentricity > 1) {
        out.fault = Sgp4Fault::PerturbedEccentricity;
        return out;
    }
    if (lunarSolar_) {
        sinip = std::sin(p.inclination);
        cosip = std::cos(p.inclination);
        aycof = -0.5 * kJ3OverJ2 * sinip;
        xlcof = longitudeCoefficient(sinip, cosip);
        const double cosisq = cosip * cosip;
        con41 = 3 * cosisq - 1;
        x1mth2 = 1 - cosisq;
        x7thm1 = 7 * cosisq - 1;
    }
    const double ep = p.eccentricity;
    const double axnl = ep * std::cos(p.argPerigee);
    double temp = 1 / (am * (1 - ep * ep));
    const double aynl = ep * std::sin(p.argPerigee) + temp * aycof;
    const double xl = p.meanAnomaly + p.argPerigee + p.node + temp * xlcof * axnl;

    const double u = std::fmod(xl - p.node, kTwoPi);
    const Kepler k = solveKepler(u, axnl, aynl);

    // Short-period terms, and the position and velocity.
    const double ecose = axnl * k.cosE + aynl * k.sinE;
    const double esine = axnl * k.sinE - aynl * k.cosE;
    const double el2 = axnl * axnl + aynl * aynl;
    const double pl = am * (1 - el2);
    if (pl < 0) {
        out.fault = Sgp4Fault::SemiLatusRectum;
        return out;
    }
    const double rl = am * (1 - ecose);
    const double rdotl = std::sqrt(am) * esine / rl;
    const double rvdotl = std::sqrt(pl) / rl;
    const double betal = std::sqrt(1 - el2);
    temp = esine / (1 + betal);
    const double sinu = am / rl * (k.sinE - aynl - axnl * temp);
    const double cosu = am / rl * (k.cosE - axnl + aynl * temp);
    double su = std::atan2(sinu, cosu);
    const double sin2u = (cosu + cosu) * sinu;
    const double cos2u = 1 - 2 * sinu * sinu;
    temp = 1 / pl;
    const double temp1 = 0.5 * kJ2 * temp;
    const double temp2 = temp1 * temp;

    const double mrt = rl * (1 - 1.5 * temp2 * betal * con41) + 0.5 * temp1 * x1mth2 * cos2u;
    su = su - 0.25 * temp2 * x7thm1 * sin2u;
    const double xnode = p.node + 1.5 * temp2 * cosip * sin2u;
    const double xinc = p.inclination + 1.5 * temp2 * cosip * sinip * cos2u;
    const double mvt = rdotl - m.meanMotion * temp1 * x1mth2 * sin2u / kXke;
    const double rvdot = rvdotl + m.meanMotion * temp1 * (x1mth2 * cos2u + 1.5 * con41) / kXke;

    const double sinsu = std::sin(su);
    const double cossu = std::cos(su);
    const double snod = std::sin(xnode);
    const double cnod = std::cos(xnode);
    const double sini = std::sin(xinc);
    const double cosi = std::cos(xinc);
    const double xmx = -snod * cosi;
    const double xmy = cnod * cosi;
    const Vec3 toSatellite{xmx * sinsu + cnod * cossu, xmy * sinsu + snod * cossu, sini * sinsu};
    const Vec3 along{xmx * cossu - cnod * sinsu, xmy * cossu - snod * sinsu, sini * cossu};
    out.positionKm = toSatellite * (mrt * kRadiusKm);
    out.velocityKmS = (toSatellite * mvt + along * rvdot) * kVelocityKmS;
    if (!finite(out.positionKm) || !finite(out.velocityKmS))
        out.fault = Sgp4Fault::NotANumber;
    else if (mrt < 1)
        out.fault = Sgp4Fault::Decayed;
    return out;
}

}  // namespace orvant
