#pragma once

#include "radio/catcontrol.h"
#include "radio/radio_init.h"

namespace orvant {

struct Station;

// The places where start-up and the polling loop hand over to the radios: the radio set-up
// (`radioinit`) and the frequency sends (`catcontrol`), and the Doppler tuning, which is not part
// of the program yet: until it is, these send nothing and change nothing.

// Forced parking: tunes the radios to the parked frequencies (the downlink and uplink converter
// offsets less the base frequencies) and dispatches them.
void tuneParkedFrequencies(Station& station);
// The frequency stage of a loop pass: Doppler correction and the frequency sends.
void frequencyStage(Station& station);
// Radio tuning inhibited from the start (both inhibit labels double-clicked).
void inhibitRadiosAtStart(Station& station);
// The frequency and Doppler readouts of the display refresh.
void showFrequencies(Station& station);
// Re-centres the base frequencies on a dial value read back from a radio (`readFreq`, `readSide`).
void adjust_read(Station& station);

}  // namespace orvant
