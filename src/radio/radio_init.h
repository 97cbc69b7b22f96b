#pragma once

namespace orvant {

struct Station;

// Radio set-up at the start of a pass and at parking: the card's CAT channel of each radio, and
// for each position the radio of the type table with its name, shutdown class and set-up
// messages; then the radio captions. The radios count as set up from then on, and the next two
// passes of the frequency stage send.
void radioinit(Station& station);

}  // namespace orvant
