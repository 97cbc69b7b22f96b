#pragma once

namespace orvant {

struct Station;

// Re-centres the base frequencies on a dial value read back from a radio (`readFreq`, `readSide`).
void adjust_read(Station& station);

}  // namespace orvant
