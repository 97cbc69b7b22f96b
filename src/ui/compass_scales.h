#pragma once

#include <array>
#include <string>

namespace orvant {

class Display;
struct Station;

// The straight azimuth scales of the 450-degree rotators (types 2 to 5): 21 labels each, one
// every 22.5 degrees from the scale's left end, switched between degree numbers and compass
// points by a click or double-click on the family's switch label.
struct CompassScale {
    int rotatorType;
    const char* panel;
    const char* switchLabel;
    double leftEndDeg;
    // The position (1..21) whose due north shows "0" instead of "360"; 0 for none.
    int zeroNorthPosition;
    std::array<std::string, 21> labels;
};

extern const std::array<CompassScale, 4> kCompassScales;

// The caption at `position` (1..21) of a scale, as a number or as a compass point.
std::string numericCaption(const CompassScale& scale, int position);
std::string pointCaption(const CompassScale& scale, int position);

void declareCompassScaleControls(Display& display);
void bindCompassScaleHandlers(Station& station);

// A click on a family's switch label (`SWz`, `nthx`, `sc_4k`, `sc_5k`) shows its numbers, a
// double-click its compass points.
void showScaleNumbers(Station& station, int rotatorType);
void showScalePoints(Station& station, int rotatorType);

}  // namespace orvant
