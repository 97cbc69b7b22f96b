#pragma once

#include <string_view>

namespace orvant {

struct Station;

// The frequency stage of a loop pass (`frequencyStage`), the frequency readouts of the display
// refresh (`showFrequencies`) and parking's tuned-back frequencies (`tuneParkedFrequencies`)
// are declared with the other radio hooks.

// Holds the loop after a pass that sent while the operator has frozen the frequencies: the
// readouts show the shifts, and the window runs until the operator restores.
void freeze(Station& station);

// The offset in MHz that a fine-tuning slider (`hs_UpFine`, `hs_DnFine`) now adds to its link.
double sliderOffsetMHz(const Station& station, std::string_view slider);

// The Doppler-corrected frequencies of the last pass, in MHz; the base frequencies before the
// stage has run for the first time.
double correctedUplinkMHz(const Station& station);
double correctedDownlinkMHz(const Station& station);

}  // namespace orvant
