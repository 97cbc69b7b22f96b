#pragma once

#include <string_view>

namespace orvant {

struct Station;
struct SatelliteRecord;

// The frequency stage of a loop pass: Doppler correction and the frequency sends.
void frequencyStage(Station& station);
// The frequency and Doppler readouts of the display refresh.
void showFrequencies(Station& station);
// Forced parking: tunes the radios to the parked frequencies (the downlink and uplink converter
// offsets less the base frequencies) and dispatches them.
void tuneParkedFrequencies(Station& station);

// Holds the loop after a pass that sent while the operator has frozen the frequencies: the
// readouts show the shifts, and the window runs until the operator restores.
void freeze(Station& station);

// The offset in MHz that a fine-tuning slider (`hs_UpFine`, `hs_DnFine`) now adds to its link.
double sliderOffsetMHz(const Station& station, std::string_view slider);

// What the uplink radio is tuned to for an uplink of `guardedMHz`: through the uplink converter,
// plus the operator's uplink offset on a linear transponder.
double uplinkRadioMHz(const SatelliteRecord& sat, double guardedMHz);

// The Doppler-corrected frequencies of the last pass, in MHz; the base frequencies before the
// stage has run for the first time.
double correctedUplinkMHz(const Station& station);
double correctedDownlinkMHz(const Station& station);

}  // namespace orvant
