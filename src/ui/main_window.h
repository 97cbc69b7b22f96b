#pragma once

namespace orvant {

struct Station;

// Declares every control of the main window in the display model, fills the satellite file list
// from the current directory, and binds the event handlers of all areas.
void buildMainWindow(Station& station);

}  // namespace orvant
