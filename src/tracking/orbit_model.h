#pragma once

#include "config/satellite_record.h"
#include "config/station_config.h"
#include "platform/local_time.h"
#include "station/orbit_state.h"

namespace orvant {

struct Station;

// Whole days from 2000 January 0 to the calendar date Y-M-D, so ConvDay(2000, 1, 1) = 1. D may be
// 0 or a day of the year past the month's end (the element epoch is passed as Y, 1, 0).
int ConvDay(int Y, int M, int D);

// Full-circle arc tangent of y/x in radians, from 0 up to 2 pi (x = 0 gives pi/2 for y >= 0,
// 3 pi/2 below). It is never negative; a direction a hair below the positive x axis may round
// to 2 pi itself.
double arctan(double y, double x);

// Prepares the orbit model for the loaded satellite: station vectors from the station's position
// (station.cfg), orbit constants and epoch from the element set (station.sat.elements). Runs once
// per satellite, after the element set has been read.
void orbitSetup(Station& station);

// The same preparation for any station position (cfg's latitude, longitude and height) and
// element set.
void orbitSetup(OrbitState& orbit, const StationConfig& cfg, const ElementSet& elements);

// Places the satellite for the clock reading `now` (local time of the PC): sets
// station.track.satAzimuth and satElevation (whole degrees), rangeRate (km/s, positive when
// receding) and ma256 (orbit phase 0..255). Every call starts again from the epoch.
void orbitStep(Station& station, const LocalDateTime& now);

}  // namespace orvant
