#pragma once

#include "platform/local_time.h"

namespace orvant {

struct Station;

// The places where start-up and the polling loop hand over to the operator display utilities
// (compass-scale labelling, the time and date boxes). They are not part of the program yet:
// until they are, these change nothing.

// Compass-scale labelling for the rotator type.
void sc_5k_Click(Station& station);
// Local time, UTC and date boxes, from the loop's one clock reading of the pass.
void showTimeAndDate(Station& station, const LocalDateTime& now);

}  // namespace orvant
