#pragma once

namespace orvant {

struct Station;

// The places where start-up and the polling loop hand over to the radios. The frequency model
// (the stage, the readouts, parking's frequencies and the read-back re-centring) lives in
// frequency_stage.cpp, frequency_switches.cpp and adjust_read.cpp. The radio framework (type
// table and drivers) is not part of the program yet: until it is, `radioinit` and `catcontrol`
// send nothing.

// Radio set-up: selects the drivers and initialises the uplink and downlink radios.
void radioinit(Station& station);
// Forced parking: tunes the radios to the parked frequencies (the downlink and uplink converter
// offsets less the base frequencies) and dispatches them.
void tuneParkedFrequencies(Station& station);
// The frequency stage of a loop pass: Doppler correction and the frequency sends.
void frequencyStage(Station& station);
// Radio tuning inhibited from the start (both inhibit labels double-clicked).
void inhibitRadiosAtStart(Station& station);
// The frequency and Doppler readouts of the display refresh.
void showFrequencies(Station& station);
// Sends `uplinkFreqText` to the uplink radio and `downlinkFreqText` to the downlink radio.
void catcontrol(Station& station);
// Re-centres the base frequencies on a dial value read back from a radio (`readFreq`, `readSide`).
void adjust_read(Station& station);

}  // namespace orvant
