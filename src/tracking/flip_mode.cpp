#include "tracking/flip_mode.h"

#include <cmath>
#include <cstdlib>

#include "config/text_rules.h"
#include "station/station.h"
#include "station/tracker_kinds.h"
#include "tracking/compass_relabel.h"
#include "tracking/pointing.h"
#include "tracking/readback.h"
#include "tracking/rotator_display.h"
#include "tracking/target_counts.h"

namespace orvant {

namespace {

constexpr std::uint32_t kFlipOnColour = 0xFFFF80;
constexpr std::uint32_t kFlipOffColour = 0x800000;

double reciprocal(double bearing) {
    const double a = bearing + 180;
    return a > 360 ? a - 360 : a;
}

// Type 0: stop at south.
void flipStopAtSouth(Station& station) {
    RotatorState& rot = station.rot;
    const double scale = station.cfg.azScale;
    const double a = reciprocal(rot.azCommandDeg);
    const double mechanical = std::floor(station.link.azCounts * scale);
    double shown = 0;
    if (a > 180) {
        rot.azCommandCounts = floorCount(a / scale - 511.5);
        shown = mechanical + 180;
        if (shown > 360) shown -= 360;
    } else {
        rot.azCommandCounts = floorCount(a / scale + 511.5);
        shown = mechanical - 180;
    }
    setGauge(station.display, "hs_hf", std::floor(shown / scale));
    showReadAzimuth(station, shown);
}

// Type 1: stop at north; the compass display turns to the south-centred scale.
void flipStopAtNorth(Station& station) {
    RotatorState& rot = station.rot;
    const double scale = station.cfg.azScale;
    if (rot.flipScaleShown == 0) {
        lbl_hf180_Click(station);
        rot.flipScaleShown = 1;
    }
    rot.azCommandCounts = floorCount(reciprocal(rot.azCommandDeg) / scale);
    const double shown = std::floor(station.link.azCounts * scale);
    double gauge = 0;
    if (rot.azCommandDeg > 180) {
        gauge = std::floor(shown / scale + 511.27);
        if (gauge > kTopCount) gauge -= kTopCount;
    } else {
        gauge = std::fabs(std::floor(shown / scale - 511.27));
    }
    setGauge(station.display, "hs_hf", gauge);
    showReadAzimuth(station, shown);
}

// Type 2: in the overlap the azimuth is held at 355 degrees.
void flipFromNorth450(Station& station) {
    RotatorState& rot = station.rot;
    const double scale = station.cfg.azScale;
    const int counts = station.link.azCounts;
    if (counts >= 819) {
        rot.azCommandDeg = 355;
        rot.azCommandCounts = nearestCount(355 / scale);
        showReadAzimuth(station, roundHalfEven(rot.azCommandCounts * scale));
    } else {
        rot.azCommandCounts = nearestCount(reciprocal(rot.azCommandDeg) / scale);
        showReadAzimuth(station, std::floor(counts * scale));
    }
    setGauge(station.display, "hs_default", counts);
}

// Type 3: at the ends the azimuth is held at 175 or 182 degrees.
void flipCentredOnNorth(Station& station) {
    RotatorState& rot = station.rot;
    const double scale = station.cfg.azScale;
    const int counts = station.link.azCounts;
    if (counts > 1024) return;
    if (rot.azCommandDeg == 0) rot.azCommandDeg = 1;
    double shown = 0;
    if (counts >= 921) {
        rot.azCommandDeg = 175;
        rot.azCommandCounts = floorCount(175 / scale + 512);
        shown = roundHalfEven((counts - 102) * scale - 180);
    } else if (counts <= 101) {
        rot.azCommandDeg = 182;
        rot.azCommandCounts = floorCount(182 / scale - 306.9);
        shown = std::floor(counts * scale + 135);
    } else {
        const double a = reciprocal(rot.azCommandDeg);
        setGauge(station.display, "hs_450", std::floor(a / scale + 102.3));
        rot.azCommandCounts =
            a > 180 ? nearestCount(a / scale - 306.9) : nearestCount(a / scale + 511.5);
        shown = g5500sShownAzimuth(counts, rot.azCommandDeg, scale);
    }
    showReadAzimuth(station, std::fabs(shown));
}

// Type 4: at the counter-clockwise end the satellite's own bearing is kept.
void flipFromEast(Station& station) {
    RotatorState& rot = station.rot;
    const double scale = station.cfg.azScale;
    const int counts = station.link.azCounts;
    double gauge = rot.azCommandDeg / scale + 613.8;
    if (gauge > kTopCount) gauge -= 409.2;
    setGauge(station.display, "hs_south", roundHalfEven(gauge));
    if (counts <= 200) {
        rot.azCommandCounts = nearestCount(rot.azCommandDeg / scale - 204.6);
        return;
    }
    rot.azCommandCounts = nearestCount(reciprocal(rot.azCommandDeg) / scale + 613.8);
    if (rot.azCommandCounts > kTopCount)
        rot.azCommandCounts = nearestCount(rot.azCommandCounts - 818.4);
    double shown = roundHalfEven(counts * scale + 90);
    if (shown > 360) shown -= 360;
    showReadAzimuth(station, shown);
}

// Type 5: at the ends the azimuth is held at 358 or 3 degrees and the target stays put.
void flipCentredOnSouth(Station& station) {
    RotatorState& rot = station.rot;
    const double scale = station.cfg.azScale;
    const int counts = station.link.azCounts;
    setGauge(station.display, "hs_5", std::floor(rot.azCommandDeg / scale + 102.3));
    if (counts > 1024) return;
    if (rot.azCommandDeg == 360) rot.azCommandDeg = 0;
    double shown = 0;
    if (counts >= 819) {
        rot.azCommandDeg = 358;
        shown = std::fabs(std::floor((counts - 920.7) * scale));
    } else if (counts <= 120) {
        rot.azCommandDeg = 3;
        shown = std::floor(counts * scale) - 44 + 360;
    } else {
        rot.azCommandCounts = floorCount(reciprocal(rot.azCommandDeg) / scale + 102.6);
        shown = std::floor((counts - 102.6) * scale);
    }
    showReadAzimuth(station, shown);
}

}  // namespace

bool flipModeOn(const Station& station) {
    return station.app.flipChoice == "Ye" && station.cfg.flipAllowed == 1;
}

void flipper(Station& station) {
    if (!targetInView(station)) return;
    station.rot.elCommandCounts =
        static_cast<std::int16_t>(kTopCount - station.rot.elCommandCounts);
    driveInView(station, kTopCount);
}

void flip_g5500(Station& station) {
    Control& vertical = station.display["vs_vertical"];
    vertical.max = -512;
    vertical.value = -std::abs(station.link.elCounts - 512);
    station.display.setCaption("lbl_SatBearings",
                               "Flip Mode....Antennas point to reciprocal bearings");
    switch (station.cfg.rotatorType) {
        case 0:
            flipStopAtSouth(station);
            break;
        case 1:
            flipStopAtNorth(station);
            break;
        case 2:
            flipFromNorth450(station);
            break;
        case 3:
            flipCentredOnNorth(station);
            break;
        case 4:
            flipFromEast(station);
            break;
        case 5:
            flipCentredOnSouth(station);
            break;
        default:
            break;
    }
}

void lbl_SatBearings_DblClick(Station& station) {
    if (underWispOrNova(station.track)) return;
    station.app.flipChoice = "Ye";
    station.cfg.flipAllowed = 1;
    station.display.setCaption("lbl_SatBearings", "Flipping On");
    station.display["lbl_SatBearings"].foreColor = kFlipOnColour;
}

void lbl_SatBearings_Click(Station& station) {
    station.app.flipChoice = "No";
    station.cfg.flipAllowed = 0;
    station.display.setCaption("lbl_SatBearings", "Flipping Off");
    station.display["lbl_SatBearings"].foreColor = kFlipOffColour;
}

}  // namespace orvant
