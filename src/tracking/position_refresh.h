#pragma once

#include <cstdint>

namespace orvant {

struct Station;

// Every exchange with the controller brings the rotator position back. While none runs (a target
// that stands still in view, the antennas parked after a pass), the polling loop reads the
// controller itself once the last reading is this old, so the bearings shown, and a manual entry
// that keeps them, never lag the antennas by more.
constexpr std::int64_t kPositionMaxAgeMs = 2000;

// Reads the controller (`lapin`) when the last reading is `kPositionMaxAgeMs` old or older, by
// program time.
void refreshStalePosition(Station& station);

}  // namespace orvant
