#include "tracking/readback.h"

#include <cmath>

#include "config/text_rules.h"
#include "station/station.h"
#include "tracking/flip_mode.h"
#include "tracking/rotator_display.h"
#include "tracking/target_counts.h"

namespace orvant {

namespace {

// Counts of the 450-degree scale at the overlap boundaries (see the rotator table).
constexpr double k360Deg = 818.4;
constexpr double k270Deg = 613.8;
constexpr double k225Deg = 511.5;
constexpr double k135Deg = 306.9;
constexpr double k90Deg = 204.6;
constexpr double k405Deg = 920.7;
constexpr double k45Deg = 102;
constexpr double k316Deg = 718;

// A count above 1024 cannot come from the link; types 3 and 5 ignore such a pass.
bool beyondTravel(const Station& station) {
    return station.link.azCounts > 1024;
}

void showGaugeAtCounts(Station& station) {
    setGauge(station.display, azimuthGauge(station.cfg.rotatorType), station.link.azCounts);
}

}  // namespace

std::string azimuthGauge(std::int16_t rotatorType) {
    switch (rotatorType) {
        case 2:
            return "hs_default";
        case 3:
            return "hs_450";
        case 4:
            return "hs_south";
        case 5:
            return "hs_5";
        default:
            return "hs_hf";
    }
}

void gs5400(Station& station) {
    RotatorState& rot = station.rot;
    const double scale = station.cfg.azScale;
    const int counts = station.link.azCounts;
    double target = roundHalfEven(rot.azCommandDeg / scale);
    double shown = std::fabs(roundHalfEven(counts * scale));
    double gauge = roundHalfEven(shown / scale);
    if (station.cfg.rotatorType == 0) {
        // Count 0 is south: the scale runs south - north - south.
        if (counts > 512) {
            shown = std::fabs(shown - 180);
            gauge = roundHalfEven(shown / scale) + 512;
        } else {
            shown = std::fabs(shown + 180);
            gauge = roundHalfEven(shown / scale) - 511;
        }
        target = rot.azCommandDeg <= 180 ? target + 512 : target - 512;
    }
    setGauge(station.display, "hs_hf", gauge);
    showReadAzimuth(station, shown);
    rot.azCommandCounts = nearestCount(target);
}

void g5500_default(Station& station) {
    RotatorState& rot = station.rot;
    const double scale = station.cfg.azScale;
    const int counts = station.link.azCounts;
    if (rot.azCommandDeg <= 90 && counts >= 800) {
        // Standing in the overlap: reach the bearing the second time round.
        rot.azCommandCounts = nearestCount(rot.azCommandDeg / scale + k360Deg);
        showReadAzimuth(station, roundHalfEven(rot.azCommandCounts * scale - 360));
    } else {
        rot.azCommandCounts = nearestCount(rot.azCommandDeg / scale);
        showReadAzimuth(station, std::floor(counts * scale));
    }
    showGaugeAtCounts(station);
}

double g5500sShownAzimuth(int azCounts, double azCommandDeg, double azScale) {
    if (azCounts >= 888 && azCommandDeg >= 180 && azCommandDeg < 226)
        return roundHalfEven((azCounts - 102) * azScale - 180);
    if (azCounts < 512) return roundHalfEven(azCounts * azScale + 135);
    return roundHalfEven(azCounts * azScale) - 225;
}

void g5500s(Station& station) {
    if (beyondTravel(station)) return;
    RotatorState& rot = station.rot;
    const double scale = station.cfg.azScale;
    const int counts = station.link.azCounts;
    if (rot.azCommandDeg == 0) rot.azCommandDeg = 1;
    const double az = rot.azCommandDeg;
    if (counts >= 888 && az >= 180 && az < 226) {
        // At the clockwise end with the bearing in the overlap.
        rot.azCommandCounts = floorCount(az / scale + 512);
    } else if (counts <= 110 && az > 134 && az <= 180) {
        // At the counter-clockwise end.
        rot.azCommandCounts = nearestCount(az / scale - k135Deg);
    } else {
        rot.azCommandCounts =
            az > 180 ? nearestCount(az / scale - k135Deg) : nearestCount(az / scale + k225Deg);
    }
    showReadAzimuth(station, std::fabs(g5500sShownAzimuth(counts, az, scale)));
    showGaugeAtCounts(station);
}

void g5500_defs(Station& station) {
    RotatorState& rot = station.rot;
    const double scale = station.cfg.azScale;
    const int counts = station.link.azCounts;
    if (rot.azCommandDeg == 0) rot.azCommandDeg = 360;
    const double az = rot.azCommandDeg;
    if (az >= 90 && az <= 180 && counts <= 216) {
        // At the counter-clockwise end with the bearing in the overlap.
        rot.azCommandCounts = nearestCount(az / scale - k90Deg);
        showReadAzimuth(station, roundHalfEven(counts * scale + 90));
    } else {
        rot.azCommandCounts =
            az > 180 ? nearestCount(az / scale - k90Deg) : nearestCount(az / scale + k270Deg);
        showReadAzimuth(station, counts > 614 ? roundHalfEven(counts * scale - 270)
                                              : roundHalfEven(counts * scale + 90));
    }
    showGaugeAtCounts(station);
}

void G5500_5(Station& station) {
    if (beyondTravel(station)) return;
    RotatorState& rot = station.rot;
    const double scale = station.cfg.azScale;
    const int counts = station.link.azCounts;
    if (rot.azCommandDeg == 360) rot.azCommandDeg = 0;
    const double az = rot.azCommandDeg;
    double shown = 0;
    if (counts >= 888 && az <= 45) {
        // At the clockwise end with the bearing in the overlap.
        rot.azCommandCounts = nearestCount(az / scale + k405Deg);
        shown = std::floor((counts - k405Deg) * scale);
    } else if (counts <= 120 && az >= 315) {
        // At the counter-clockwise end.
        rot.azCommandCounts = nearestCount(az / scale - k316Deg);
        shown = std::floor(counts * scale) - 44 + 360;
    } else {
        rot.azCommandCounts = nearestCount(az / scale + k45Deg);
        shown = std::floor((counts - k45Deg) * scale);
        if (shown >= 360) shown -= 360;
    }
    showReadAzimuth(station, std::fabs(shown));
    showGaugeAtCounts(station);
}

void readbackStage(Station& station) {
    if (flipModeOn(station)) {
        flip_g5500(station);
        return;
    }
    switch (station.cfg.rotatorType) {
        case 2:
            g5500_default(station);
            break;
        case 3:
            g5500s(station);
            break;
        case 4:
            g5500_defs(station);
            break;
        case 5:
            G5500_5(station);
            break;
        default:
            gs5400(station);
            break;
    }
}

}  // namespace orvant
