#pragma once

namespace orvant {

struct Station;

// Starts the radios with both rotator drives held: inhibits both, sends a frame, runs the radio
// set-up, releases the drives (a disabled axis stays held) and sends another frame.
void startRadiosWithRotatorsHeld(Station& station);

}  // namespace orvant
