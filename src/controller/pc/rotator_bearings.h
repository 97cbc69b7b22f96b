#pragma once

#include <optional>
#include <string>

#include "config/station_config.h"

namespace orvant::pc {

// A rotator's position or target as Hamlib's rotctld speaks of it, in degrees.
struct Bearings {
    double azimuth = 0;
    double elevation = 0;
};

// A position in the card's counts, 0..1023 on each axis.
struct PositionCounts {
    int azimuth = 0;
    int elevation = 0;
};

// Counts and bearings through the configured rotator type's travel. A count's azimuth is the
// compass bearing along the travel from the counter-clockwise stop, counted on from the stop's
// bearing in one run (type 0 from -180 to 180, type 1 from 0 to 360, type 2 from 0 to 450, type
// 3 from -225 to 225, type 4 from -270 to 180, type 5 from -45 to 405), at the type's degrees per
// count; elevation counts are 180/1023 degrees each.
Bearings bearingsOfCounts(const StationConfig& cfg, PositionCounts counts);
// The counts of a position read back: an azimuth outside the travel is taken a turn further or
// back when that brings it inside (a daemon may give 350 for -10); beyond the stops it counts as
// the stop.
PositionCounts countsOfBearings(const StationConfig& cfg, Bearings bearings);

// rotctld's command that points the rotator ("P 225.22 45.00").
std::string pointCommand(Bearings bearings);
// rotctld's answer to "p": the azimuth and the elevation, one a line, each a plain number.
std::optional<Bearings> parsePosition(const std::string& azimuthLine,
                                      const std::string& elevationLine);

}  // namespace orvant::pc
