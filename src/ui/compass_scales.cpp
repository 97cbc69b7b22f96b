#include "ui/compass_scales.h"

#include <cmath>

#include "station/station.h"

namespace orvant {

namespace {

constexpr double kStepDeg = 22.5;

const std::array<std::string, 16> kPoints = {"N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE",
                                             "S", "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW"};

// The labels of a numbered family: a prefix and the letters a to u, one of them spelt otherwise.
std::array<std::string, 21> lettered(const std::string& prefix, char oddLetter = 0,
                                     const std::string& oddName = {}) {
    std::array<std::string, 21> names;
    for (int k = 0; k < 21; ++k) {
        const char letter = static_cast<char>('a' + k);
        names[k] = letter == oddLetter ? oddName : prefix + letter;
    }
    return names;
}

double angleAt(const CompassScale& scale, int position) {
    return scale.leftEndDeg + kStepDeg * (position - 1);
}

const CompassScale& scaleOfType(int rotatorType) {
    return kCompassScales[rotatorType - 2];
}

void showCaptions(Station& station, const CompassScale& scale,
                  std::string (*caption)(const CompassScale&, int)) {
    for (int position = 1; position <= 21; ++position)
        station.display.setCaption(scale.labels[position - 1], caption(scale, position));
}

}  // namespace

const std::array<CompassScale, 4> kCompassScales{{
    {2, "frame_default", "SWz", 0, 0, {"Nzz",  "NNEz",  "NEz",    "ENEz", "Eastz",   "ESEz",
                                       "SEz",  "SSEz",  "Southz", "SSWz", "SWz",     "WSWz",
                                       "Wz",   "WNWz",  "NWz",    "NNWz", "Northrz", "NNErz",
                                       "NErz", "ENErz", "Eastrz"}},
    {3, "frame_450", "nthx", 135, 11, {"SEXX",   "SSEXX", "SXX",   "SSWX", "SWX",  "WSWX",
                                       "wx",     "wnwx",  "NWX",   "nnwx", "nthx", "nnex",
                                       "neastx", "enex",  "eastx", "esex", "sex",  "sser",
                                       "Southr", "sswr",  "swr"}},
    {4, "frame_south", "sc_4k", 90, 0, lettered("sc_4", 'p', "SC_4p")},
    {5, "Frame_5", "sc_5k", 315, 0, lettered("sc_5")},
}};

std::string numericCaption(const CompassScale& scale, int position) {
    if (position == scale.zeroNorthPosition) return "0";
    int degrees = static_cast<int>(std::floor(angleAt(scale, position)));
    while (degrees > 360) degrees -= 360;
    return std::to_string(degrees);
}

std::string pointCaption(const CompassScale& scale, int position) {
    const auto step = static_cast<std::size_t>(std::lround(angleAt(scale, position) / kStepDeg));
    return kPoints[step % kPoints.size()];
}

// The scales are drawn with their numbers; start-up writes them again for three of them.
void declareCompassScaleControls(Display& display) {
    for (const CompassScale& scale : kCompassScales)
        for (int position = 1; position <= 21; ++position)
            display.declare(scale.labels[position - 1],
                            labelControl(numericCaption(scale, position)));
}

void bindCompassScaleHandlers(Station& station) {
    for (const CompassScale& scale : kCompassScales) {
        const int type = scale.rotatorType;
        station.display.on(scale.switchLabel, ControlEvent::Click,
                           [&station, type] { showScaleNumbers(station, type); });
        station.display.on(scale.switchLabel, ControlEvent::DblClick,
                           [&station, type] { showScalePoints(station, type); });
    }
}

void showScaleNumbers(Station& station, int rotatorType) {
    showCaptions(station, scaleOfType(rotatorType), numericCaption);
}

void showScalePoints(Station& station, int rotatorType) {
    showCaptions(station, scaleOfType(rotatorType), pointCaption);
}

}  // namespace orvant
