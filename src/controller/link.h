#pragma once

namespace orvant {

struct Station;

// The printer-port link to the controller card. Every exchange goes through these two routines.

// One send exchange (the whole controller frame, with the CAT request fields) followed by one
// read exchange. On return the CAT request fields and frame slots 56..59 are 0.
void laptop(Station& station);
// One read exchange: reply nibbles, position counts, dumps, check marks, failure bookkeeping.
void lapin(Station& station);

}  // namespace orvant
