#pragma once

namespace orvant {

class Display;
struct Station;

// The window's frequency controls: readouts, fine tuning, freeze, beacon, inhibits, counter
// gate, full Doppler tuning and the fixed-frequency entry boxes.
void declareFrequencyControls(Display& display);
void bindFrequencyHandlers(Station& station);

}  // namespace orvant
