#pragma once

namespace orvant {

struct SatelliteRecord;
struct Station;
struct RadioType;

// The Kenwood TS-2000. When it fills both positions it runs in satellite mode: the uplink on
// VFO B (selected as transmit VFO by FT1;), the downlink on VFO A (receive VFO, FR0;). Alone in
// one position it works plainly on VFO A.

bool ts2000BothPositions(const SatelliteRecord& sat);

// Set-up of the served position: satellite mode on or off, the VFO and the mode.
void init_ts2000(Station& station, const RadioType& type);
// Tunes the served position to `catFreq`.
void Ken_2000(Station& station, const RadioType& type);
// Read the uplink / downlink dial. An uplink answer that has the outline of one but does not
// decode means the radio's read-back broke down: `readbackBrokeDown`.
void readback_ts2000_tx(Station& station, const RadioType& type);
void readback_TS2000_rx(Station& station, const RadioType& type);

}  // namespace orvant
