#pragma once

#include <cstdint>

namespace orvant {

struct SatelliteRecord;
struct Station;
struct RadioType;

// The Icom transceivers, and the frequency sends and read-backs every CI-V radio shares. Each
// message goes to the radio of the served position at its CI-V address. A dual-band radio is
// switched to the band of the position before each frequency (`icomBandOf`); every model but the
// IC-910 then selects its VFO.

// The band (CI-V main D0 or sub D1) a position works on: a dual-band radio serving both
// positions works each on its own band; alone it works on its main band.
std::int16_t icomBandOf(const SatelliteRecord& sat, const RadioType& type, int side);

// Set-up of the served position: band, split off (uplink), VFO, mode; an IC-910 serving both
// positions goes into satellite mode.
void init_icom(Station& station, const RadioType& type);
// Tunes the served position to `catFreq`: band, VFO, frequency. Nothing while the link is
// inhibited or when `catFreq` is not a frequency of at most ten digits.
void Icom(Station& station, const RadioType& type);
// Read the uplink / downlink radio's dial on the band of its position; a radio read on its sub
// band is returned to the main band afterwards.
void readback_icom_tx(Station& station, const RadioType& type);
void readback_icom_rx(Station& station, const RadioType& type);

}  // namespace orvant
