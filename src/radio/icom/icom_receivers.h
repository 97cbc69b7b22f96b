#pragma once

namespace orvant {

struct Station;
struct RadioType;

// The Icom receivers: the IC-R8500 (either position) and the IC-R7000 and IC-R9000 (downlink
// only). Their set-ups set mode and filter; the IC-R7000 and IC-R9000 are then tuned by `Icom`,
// and read back, where the model allows it, by the Icom read-backs.

// Set-up of the IC-R8500 of the served position, once per radio: its mode and filter. A
// transponder whose uplink and downlink lie within 10 MHz of each other shows "Split Mode
// (Simplex)".
void init8500(Station& station, const RadioType& type);
// Tunes the IC-R8500 to `catFreq`; nothing while the link is inhibited or when `catFreq` is not
// a frequency of at most ten digits.
void R8500(Station& station, const RadioType& type);
void Init_R7000(Station& station, const RadioType& type);
void init_R9000(Station& station, const RadioType& type);

}  // namespace orvant
