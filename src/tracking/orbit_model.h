#pragma once

#include <string>

#include "config/satellite_record.h"
#include "config/station_config.h"
#include "platform/local_time.h"
#include "station/orbit_state.h"

namespace orvant {

class Display;
struct Station;

// Whole days from 2000 January 0 to the calendar date Y-M-D, so ConvDay(2000, 1, 1) = 1. D may be
// 0 or a day of the year past the month's end (the element epoch is passed as Y, 1, 0).
int ConvDay(int Y, int M, int D);

// Full-circle arc tangent of y/x in radians, from 0 up to 2 pi (x = 0 gives pi/2 for y >= 0,
// 3 pi/2 below). It is never negative; a direction a hair below the positive x axis may round
// to 2 pi itself.
double arctan(double y, double x);

// Days from 2000 January 0, 0h UTC, at the clock reading `clock` (local time; the time offset is
// local time minus UTC, in hours), to the millisecond.
double utcDays(const LocalDateTime& clock, double timeOffsetHours);

// Prepares the orbit models for the loaded satellite: station vectors from the station's position
// (station.cfg), orbit constants and epoch from the element set (station.sat.elements), and the
// model that points (station.cfg.orbitModel). Runs once per satellite, after the element set has
// been read. Throws FileError Corrupt (its detail saying why) when that model cannot place the
// satellite now: an element set it cannot use is refused as the element file's own fault.
void orbitSetup(Station& station);

// The same preparation for any station position (cfg's latitude, longitude, height and model)
// and element set.
void orbitSetup(OrbitState& orbit, const StationConfig& cfg, const ElementSet& elements);

// The satellite as the station sees it by the model that points, before rounding.
struct SkyFix {
    double azimuthDeg = 0;  // 0 <= azimuth <= 360
    double elevationDeg = 0;
    double rangeRate = 0;    // km/s, positive when the satellite recedes
    double meanAnomaly = 0;  // radians, for the orbit phase
    std::string fault;       // why the model has no position; empty when it has one
};

// The satellite at `days` from 2000 January 0, 0h UTC. A fix without a fault holds numbers only.
SkyFix skyFixAt(const OrbitState& orbit, double days);

// Places the satellite for the clock reading `now` (local time of the PC): sets
// station.track.satAzimuth and satElevation (whole degrees), rangeRate (km/s, positive when
// receding) and ma256 (orbit phase 0..255). Every call starts again from the epoch. The
// station's own model reads the clock to the second, SGP4 to the millisecond. Where the model
// has no position (SGP4's satellite decayed) the satellite is below the horizon and
// station.track.orbitFault says why.
void orbitStep(Station& station, const LocalDateTime& now);

// The model pointing the antennas as the window and the status line name it: "own" or "sgp4",
// with the fault that keeps it from placing the satellite ("sgp4 (decayed)"); empty while no orbit
// model points (a tracking program or network clients do, or the satellite has no orbit).
std::string orbitModelText(const Station& station);

// The window's readout of the model that points, "lbl_orbit": declared once, kept current by
// showOrbitModel on every loop pass.
void declareOrbitModelControl(Display& display);
void showOrbitModel(Station& station);

}  // namespace orvant
