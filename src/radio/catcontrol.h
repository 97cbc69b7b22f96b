#pragma once

namespace orvant {

struct Station;

// Sends `uplinkFreqText` to the uplink radio, then `downlinkFreqText` to the downlink radio,
// each through the per-send driver of its type; a position without a driver gets nothing.
void catcontrol(Station& station);

}  // namespace orvant
