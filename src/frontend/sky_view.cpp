#include "frontend/sky_view.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "station/station.h"
#include "tracking/flip_mode.h"
#include "tracking/orbit_model.h"

namespace orvant {

namespace {

constexpr double kRad = std::numbers::pi / 180;

// Where the model has no position the satellite counts as below the horizon.
SkyBearing bearingAt(const OrbitState& orbit, double days) {
    const SkyFix fix = skyFixAt(orbit, days);
    if (!fix.fault.empty()) return {0, -90};
    return {fix.azimuthDeg, fix.elevationDeg};
}

double elevationAt(const OrbitState& orbit, double days) {
    return bearingAt(orbit, days).elevationDeg;
}

// A whole number shown in a label; nullopt for any other text (calibration counts, empty).
std::optional<double> shownDegrees(const Station& station, const char* label) {
    const std::string& text = station.display[label].caption;
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0') return std::nullopt;
    return static_cast<double>(value);
}

// KWIP and PARK have no satellite position at all.
bool positionKnown(const Station& station) {
    const std::string& name = station.track.satFileName;
    return !name.empty() && name != "KWIP" && name != "PARK";
}

// The loop runs the orbit model unless a tracking program has full control.
bool orbitModelRuns(const Station& station) {
    return positionKnown(station) && station.track.fullDdeControl != 1;
}

long long minuteOf(const LocalDateTime& t) {
    return ((static_cast<long long>(t.year) * 400 + t.month * 32 + t.day) * 24 + t.hour) * 60 +
           t.minute;
}

}  // namespace

SkyPoint skyPoint(double azimuthDeg, double elevationDeg) {
    const double r = (90 - elevationDeg) / 90;
    return {r * std::sin(azimuthDeg * kRad), r * std::cos(azimuthDeg * kRad)};
}

SkyBearing lookDirection(double azimuthDeg, double elevationDeg) {
    if (elevationDeg <= 90) return {azimuthDeg, elevationDeg};
    return {std::fmod(azimuthDeg + 180, 360), 180 - elevationDeg};
}

std::vector<SkyBearing> passTrack(const OrbitState& orbit, double days, double stepDays,
                                  double searchDays) {
    double rise = days;
    if (elevationAt(orbit, days) >= 0) {
        while (days - rise < searchDays && elevationAt(orbit, rise - stepDays) >= 0)
            rise -= stepDays;
    } else {
        while (rise - days < searchDays && elevationAt(orbit, rise) < 0) rise += stepDays;
    }
    std::vector<SkyBearing> track;
    for (double t = rise; t - rise < searchDays; t += stepDays) {
        const SkyBearing b = bearingAt(orbit, t);
        // Below the horizon, or no bearing at all (an orbit model not set up yet).
        if (!(b.elevationDeg >= 0) || !std::isfinite(b.azimuthDeg)) break;
        track.push_back(b);
    }
    return track;
}

const SkyPicture& SkyView::picture(const Station& station, const LocalDateTime& now) {
    const TrackingState& t = station.track;
    const bool sameElements =
        station.orbit.TEG == trackedEpochDays_ && station.orbit.meanMotion == trackedMeanMotion_;
    if (t.satFileName != trackedName_ || minuteOf(now) != trackMinute_ || !sameElements)
        sampleTrack(station, now);
    picture_.satellite.reset();
    if (positionKnown(station) && t.satElevation >= 0)
        picture_.satellite = skyPoint(t.satAzimuth, t.satElevation);
    picture_.antennas.reset();
    const auto az = shownDegrees(station, "lbl_Azfed");
    const auto el = shownDegrees(station, "lbl_Elfed");
    if (az && el) {
        const SkyBearing look = lookDirection(*az, *el);
        picture_.antennas = skyPoint(look.azimuthDeg, look.elevationDeg);
    }
    picture_.state = t.parkingDue || t.operatorParking ? "Parking"
                     : flipModeOn(station)             ? "Flip mode"
                                                       : "";
    return picture_;
}

void SkyView::sampleTrack(const Station& station, const LocalDateTime& now) {
    trackedName_ = station.track.satFileName;
    trackMinute_ = minuteOf(now);
    trackedEpochDays_ = station.orbit.TEG;
    trackedMeanMotion_ = station.orbit.meanMotion;
    picture_.track.clear();
    if (!orbitModelRuns(station)) return;
    for (const SkyBearing& b : passTrack(station.orbit, utcDays(now, station.cfg.timeOffsetHours)))
        picture_.track.push_back(skyPoint(b.azimuthDeg, b.elevationDeg));
}

}  // namespace orvant
