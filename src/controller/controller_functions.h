#pragma once

#include <cstdint>

namespace orvant {

struct Station;

// The controller's own operator functions.
void lbl_reset_Click(Station& station);
// Shows bits 0 and 1 of the external control-port value on the lamps and places the value in
// frame slot 51 (the operator-facing name of this routine is "switch").
void switch_(Station& station, std::int16_t value);
void dump(Station& station);
void bad_ads(Station& station);
// Releases both rotator inhibits, sends one frame and marks the antennas for parking.
void starter(Station& station);

}  // namespace orvant
