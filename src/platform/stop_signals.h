#pragma once

namespace orvant {

// SIGTERM and SIGINT (a service manager stopping the station, Ctrl-C at a terminal) ask the
// program to stop as the operator's Exit would, so that the antennas park and the radios are
// reset before it ends. A second signal ends the program at once.
void catchStopSignals();

// Whether a stop signal has come.
bool stopSignalled();

}  // namespace orvant
