#pragma once

#include <cstdint>

namespace orvant {

struct Station;

// Re-centres the base frequencies on a dial value read back from a radio (`readFreq`, `readSide`).
void adjust_read(Station& station);
// Whether a dial (Hz) read from a link (side 0 uplink, 1 downlink) lies near enough the frequency
// shown for it to be taken; `adjust_read` refuses any other with two beeps.
bool dialNearLink(const Station& station, int side, std::int64_t hz);

}  // namespace orvant
