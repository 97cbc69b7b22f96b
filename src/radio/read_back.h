#pragma once

#include <cstdint>

namespace orvant {

struct Station;

// How a read-back of a radio's dial ends, for every family.

// A dial read from a position (side 0 uplink, 1 downlink): the bases re-centre on it
// (`recentreOnDial`). During a watch read for the radio clients the dial is only kept.
void acceptReadback(Station& station, int side, std::int64_t hz);
// An answer that is not wholly well-formed: one beep (none during a watch read), and nothing
// changes.
void refuseReadback(Station& station);
// `readFreq` = the dial in MHz plus 0.000001 and `readSide` = 1 or 2 for the re-centring of the
// bases (`adjust_read`), which a send on the next pass follows.
void recentreOnDial(Station& station, int side, std::int64_t hz);
// A radio whose read-back broke down. The read-back stops here; its handler hands the failure to
// `Bad_Radio` (the dialog naming the pair of radios, then the shutdown and the end), which lives
// with the program's other fatal dialogs.
struct RadioReadbackBroken {};
[[noreturn]] void readbackBrokeDown();

}  // namespace orvant
