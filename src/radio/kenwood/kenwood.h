#pragma once

namespace orvant {

struct Station;
struct RadioType;

// The Kenwood transceivers that tune VFO A by text commands: TS-790 (main and sub band, chosen by
// the band prefix of its position), TS-440S, TS-680S, TS-711 and TS-811.

// Set-up of the served position: auto-information, fine tuning and split off, then the mode.
void init_kenwood(Station& station, const RadioType& type);
// Tunes the served position to `catFreq`.
void Kenwood(Station& station, const RadioType& type);
// Read the uplink / downlink radio's dial.
void readback_kenwood_tx(Station& station, const RadioType& type);
void readback_kenwood_rx(Station& station, const RadioType& type);

}  // namespace orvant
