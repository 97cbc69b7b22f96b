#include "tracking/orbit_model.h"

#include <cmath>
#include <numbers>

#include "config/config_error.h"
#include "config/text_rules.h"
#include "links/phase_display.h"
#include "orbit/sidereal_time.h"
#include "station/station.h"
#include "tracking/orbit_constants.h"
#include "tracking/orbit_propagation.h"
#include "ui/clock_date.h"

namespace orvant {

using namespace orbit;

namespace {

// The earth's rotation: WW round the sun, WE relative to the stars.
void setRotationRates(OrbitState& o) {
    o.WW = kTwoPi / kYT;
    o.WE = kTwoPi + o.WW;
    o.W0 = o.WE / kSecondsPerDay;
}

// The station's horizon vectors, its place on the flattened earth and the velocity the earth's
// rotation gives it. Latitude and longitude come in radians, the height in kilometres.
void placeStation(OrbitState& o, const StationConfig& cfg) {
    const double LA = cfg.latitudeRad;
    const double LO = cfg.longitudeRad;
    const double HT = cfg.heightKm;
    const double CL = std::cos(LA);
    const double SL = std::sin(LA);
    const double CO = std::cos(LO);
    const double SO = std::sin(LO);

    const double RP = kRE * (1 - kFL);
    const double XX = kRE * kRE;
    const double ZZ = RP * RP;
    const double D = std::sqrt(XX * CL * CL + ZZ * SL * SL);
    const double Rx = XX / D + HT;
    const double Rz = ZZ / D + HT;

    o.U = {CL * CO, CL * SO, SL};
    o.E = {-SO, CO, 0};
    o.N = {-SL * CO, -SL * SO, CL};
    o.O = {Rx * o.U.x, Rx * o.U.y, Rz * o.U.z};
    o.VO = {-o.O.y * o.W0, o.O.x * o.W0, 0};
}

// Angles to radians, rates per revolution to rates per radian.
void convertElements(OrbitState& o, const ElementSet& el) {
    o.inclination = el.inclination * kRad;
    o.raan = el.raan * kRad;
    o.argPerigee = el.argPerigee * kRad;
    o.meanAnomaly = el.meanAnomaly * kRad;
    o.meanMotion = el.meanMotion * kTwoPi;
    o.decayRate = el.decayRate * kTwoPi;
    o.eccentricity = el.eccentricity;
}

// The epoch as a day number and a fraction of that day.
void setEpoch(OrbitState& o, const ElementSet& el) {
    const double wholeDays = std::floor(el.epochDay);
    o.epochDayNumber = ConvDay(static_cast<int>(el.epochYear), 1, 0) + static_cast<int>(wholeDays);
    o.epochFraction = el.epochDay - wholeDays;
}

// Size of the ellipse and its secular drifts under the earth's oblateness and decay.
void setOrbitConstants(OrbitState& o) {
    o.N0 = o.meanMotion / kSecondsPerDay;
    o.A0 = std::cbrt(kGM / o.N0 / o.N0);
    o.B0 = o.A0 * std::sqrt(1 - o.eccentricity * o.eccentricity);
    o.SI = std::sin(o.inclination);
    o.CI = std::cos(o.inclination);
    const double pc = kRE * o.A0 / (o.B0 * o.B0);
    o.PC = 1.5 * kJ2 * pc * pc * o.meanMotion;
    o.QD = -o.PC * o.CI;
    o.WD = o.PC * (5 * o.CI * o.CI - 1) / 2;
    o.DC = -2 * o.decayRate / o.meanMotion / 3;
}

// The epoch instant counted from the reference day, and the earth's turn at that instant.
void setEpochInstant(OrbitState& o) {
    o.TEG = o.epochDayNumber - ConvDay(2000, 1, 0) + o.epochFraction;
    o.GHAE = kRad * kG0 + o.TEG * o.WE;
}

// 2000 January 0 counted from 1950 January 0, the day SGP4 counts from.
const double k2000In1950Days = daysFrom1950(2000, 0);
constexpr double kMinutesPerDay = 1440;

MeanElements meanElementsOf(const ElementSet& e) {
    return {.epochDays = daysFrom1950(static_cast<int>(e.epochYearFull), e.epochDay),
            .meanMotion = e.meanMotion,
            .eccentricity = e.eccentricity,
            .inclinationDeg = e.inclination,
            .raanDeg = e.raan,
            .argPerigeeDeg = e.argPerigee,
            .meanAnomalyDeg = e.meanAnomaly,
            .bstar = e.bstar};
}

// No earth orbit an element set may hold reaches further than about 1.8 million km (an apogee of
// twice the largest semi-major axis), and nothing on one moves faster against the station than
// the escape speed at the earth's surface (11.2 km/s) and the station's own turn. A fix beyond
// either, or one that is no number, is no position.
constexpr double kFarthestKm = 2.0e6;
constexpr double kFastestKmS = 12;

SkyFix checked(SkyFix fix, double rangeKm) {
    if (!std::isfinite(fix.azimuthDeg) || !std::isfinite(fix.elevationDeg) ||
        !std::isfinite(fix.rangeRate) || !std::isfinite(rangeKm))
        fix.fault = "no number";
    else if (rangeKm > kFarthestKm || std::fabs(fix.rangeRate) > kFastestKmS)
        fix.fault = "beyond any orbit";
    return fix;
}

SkyFix ownModelFix(const OrbitState& orbit, double days) {
    const SatelliteFix fix = propagate(orbit, days - orbit.TEG);
    const LookAngles look = lookAngles(orbit, fix);
    return checked({look.azimuthDeg, look.elevationDeg, look.rangeRate, fix.meanAnomaly, {}},
                   length(fix.position - orbit.O));
}

SkyFix sgp4Fix(const OrbitState& orbit, double days) {
    SkyFix sky;
    if (!orbit.sgp4) {
        sky.fault = "not set up";
        return sky;
    }
    const double days1950 = days + k2000In1950Days;
    const Sgp4State state = orbit.sgp4->at((days1950 - orbit.sgp4->epochDays()) * kMinutesPerDay);
    if (state.fault != Sgp4Fault::None) {
        sky.fault = faultText(state.fault);
        return sky;
    }
    const TopocentricLook look = orbit.site.look(state.positionKm, state.velocityKmS, days1950);
    return checked({look.azimuthDeg, look.elevationDeg, look.rangeRateKmS, state.meanAnomaly, {}},
                   look.rangeKm);
}

// The satellite is placed where the clock reading says; the station's own model has always read
// the clock to the second.
double fixDays(const Station& s, const LocalDateTime& now) {
    LocalDateTime clock = now;
    if (s.orbit.model == OrbitModelKind::Own) clock.millisecond = 0;
    return utcDays(clock, s.cfg.timeOffsetHours);
}

constexpr const char* kOrbitModelLabel = "lbl_orbit";

}  // namespace

int ConvDay(int Y, int M, int D) {
    if (M < 3) {
        Y = Y - 1;
        M = M + 12;
    }
    return static_cast<int>(std::floor(365.25 * Y - 730134)) +
           static_cast<int>(std::floor(30.6 * (M + 1))) + D - 428;
}

double arctan(double y, double x) {
    if (x > 0) return y >= 0 ? std::atan(y / x) : std::atan(y / x) + kTwoPi;
    if (x < 0) return std::atan(y / x) + std::numbers::pi;
    return y >= 0 ? std::numbers::pi / 2 : 3 * std::numbers::pi / 2;
}

double utcDays(const LocalDateTime& clock, double timeOffsetHours) {
    // The clock gives the date as numbers: the date-format switch changes only how the date box
    // shows it, never the date the orbit is computed for.
    const int DN = ConvDay(clock.year, clock.month, clock.day);
    const double seconds = clock.second + clock.millisecond / 1000.0;
    return DN + (clock.hour - timeOffsetHours + clock.minute / 60.0 + seconds / 3600.0) / 24;
}

void orbitSetup(Station& station) {
    orbitSetup(station.orbit, station.cfg, station.sat.elements);
    const SkyFix now = skyFixAt(station.orbit, fixDays(station, station.platform.host.localTime()));
    if (!now.fault.empty()) throw FileError{FileErrorKind::Corrupt, now.fault};
}

void orbitSetup(OrbitState& o, const StationConfig& cfg, const ElementSet& el) {
    setRotationRates(o);
    placeStation(o, cfg);
    convertElements(o, el);
    setEpoch(o, el);
    setOrbitConstants(o);
    setEpochInstant(o);
    o.model = cfg.orbitModel;
    o.site = GroundSite(cfg.latitudeRad, cfg.longitudeRad, cfg.heightKm);
    o.sgp4.emplace(meanElementsOf(el));
}

SkyFix skyFixAt(const OrbitState& orbit, double days) {
    return orbit.model == OrbitModelKind::Sgp4 ? sgp4Fix(orbit, days) : ownModelFix(orbit, days);
}

void orbitStep(Station& station, const LocalDateTime& now) {
    TrackingState& t = station.track;
    const SkyFix fix = skyFixAt(station.orbit, fixDays(station, now));
    t.orbitFault = fix.fault;
    if (!fix.fault.empty()) {
        // No position: no pass, no targets, no Doppler shift.
        t.satElevation = station.cfg.minElevation - 1;
        t.rangeRate = 0;
        return;
    }
    t.satAzimuth = roundHalfEven(fix.azimuthDeg);
    t.satElevation = roundHalfEven(fix.elevationDeg);
    t.rangeRate = fix.rangeRate;
    t.ma256 = orbitPhase256(fix.meanAnomaly);
    showPhase(station);
}

std::string orbitModelText(const Station& s) {
    const std::string& name = s.track.satFileName;
    if (name.empty() || name == "KWIP" || name == "PARK" || s.track.fullDdeControl == 1) return {};
    const std::string model = s.cfg.orbitModel == OrbitModelKind::Sgp4 ? "sgp4" : "own";
    return s.track.orbitFault.empty() ? model : model + " (" + s.track.orbitFault + ")";
}

void declareOrbitModelControl(Display& display) {
    display.declare(kOrbitModelLabel, labelControl({}));
}

void showOrbitModel(Station& station) {
    station.display.setCaption(kOrbitModelLabel, orbitModelText(station));
}

}  // namespace orvant
