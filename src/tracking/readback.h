#pragma once

#include <cstdint>
#include <string>

namespace orvant {

struct Station;

// Rotator position readback. Each routine turns the commanded azimuth into the azimuth target in
// controller counts for its rotator type (sent by the drive stage of the next pass), sets the
// type's gauge and shows the read-back azimuth in `lbl_Azfed`.

// Types 0 (360 degrees, stop at south) and 1 (360 degrees, stop at north).
void gs5400(Station& station);
// Type 2: 450 degrees from north, overlap 0..90.
void g5500_default(Station& station);
// Type 3: 450 degrees centred on north, overlap 135..225.
void g5500s(Station& station);
// Type 4: 450 degrees from east, overlap 90..180.
void g5500_defs(Station& station);
// Type 5: 450 degrees centred on south, overlap 315..45.
void G5500_5(Station& station);

// The readback of a loop pass: `flip_g5500` in flip mode, else the routine of the rotator type.
void readbackStage(Station& station);

// The azimuth gauge of a rotator type ("hs_hf", "hs_default", "hs_450", "hs_south", "hs_5").
std::string azimuthGauge(std::int16_t rotatorType);

// The azimuth a type-3 rotator stands at, from its count and the commanded bearing.
double g5500sShownAzimuth(int azCounts, double azCommandDeg, double azScale);

}  // namespace orvant
