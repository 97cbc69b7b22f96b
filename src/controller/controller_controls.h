#pragma once

namespace orvant {

class Display;
struct Station;

// The controls of the controller's functions: reset, external-port lamps, traffic windows, reply
// check marks, demonstration lamp, the elevation readout and the Exit button.
void declareControllerControls(Display& display);
// Connects those controls to their handlers (the Exit button is the shutdown's).
void bindControllerHandlers(Station& station);

}  // namespace orvant
