#pragma once

#include <cstdint>

namespace orvant {

struct Station;

// Parking: driving the antennas to the park position at the end of a pass, when the operator
// asks for it, and when a satellite file demands it.

// One step of parking, called by the loop on every pass while parking is due: shuts the radios
// down when that has not been done for this parking, sends the park targets, and completes the
// parking once both axes stand at the park position.
void park_them(Station& station);

// Forced parking: parks at once, in a loop of its own that keeps the window responsive, then
// ends the program when the station is set to end after parking.
void perked(Station& station);

// The park azimuth in degrees: the satellite file's forced park azimuth, else the one of
// ORV.CFG; 0 means no azimuth parking.
std::int16_t parkAzimuthDeg(const Station& station);

// The park azimuth in counts for a rotator type; `previous` where the type has no park count.
std::int16_t parkAzimuthCounts(std::int16_t rotatorType, double parkAzimuth, double azScale,
                               std::int16_t previous);

// The operator's forced parking (`lbl_track` click): parking starts on the next pass and holds
// for the rest of the satellite's pass.
void lbl_track_Click(Station& station);

}  // namespace orvant
