#include "tracking/compass_relabel.h"

#include <cmath>

#include "station/station.h"

namespace orvant {

const std::array<std::string, 17> kCompassScaleLabels = {
    "lbl_sthnew", "lbl_ssw", "lbl_sw",    "lbl_wsw", "lbl_weest", "lbl_wnw",
    "lbl_nw",     "lbl_nnw", "lbl_hf180", "lbl_nne", "lbl_ne",    "lbl_ene",
    "lbl_east",   "lbl_ese", "lbl_se",    "lbl_sse", "lbl_hf360"};

namespace {

constexpr double kStepDeg = 22.5;

const std::array<std::string, 16> kPointNames = {"N",    "NNE", "NE", "ENE", "EAST", "ESE",
                                                 "SE",   "SSE", "S",  "SSW", "SW",   "WSW",
                                                 "WEST", "WNW", "NW", "NNW"};

// The bearing at the left end of the scale: south for type 0 (stop at south), north otherwise.
double leftEndBearing(const Station& station) {
    return station.cfg.rotatorType == 0 ? 180 : 0;
}

double bearingAt(const Station& station, std::size_t position) {
    return leftEndBearing(station) + kStepDeg * static_cast<double>(position);
}

}  // namespace

void lbl_hf180_Click(Station& station) {
    for (std::size_t k = 0; k < kCompassScaleLabels.size(); ++k) {
        // Whole degrees, cut; north away from the left end shows 360.
        int degrees = static_cast<int>(bearingAt(station, k));
        if (degrees > 360) degrees -= 360;
        station.display.setCaption(kCompassScaleLabels[k], std::to_string(degrees));
    }
}

void lbl_hf180_DblClick(Station& station) {
    for (std::size_t k = 0; k < kCompassScaleLabels.size(); ++k) {
        const auto point = static_cast<std::size_t>(bearingAt(station, k) / kStepDeg) % 16;
        station.display.setCaption(kCompassScaleLabels[k], kPointNames[point]);
    }
}

}  // namespace orvant
