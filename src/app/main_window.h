#pragma once

namespace orvant {

struct Station;

// Declares every control of the main window in the display model, fills the satellite file list
// from the current directory, binds the event handlers of all areas and routes operator input
// from the message pump to them.
void buildMainWindow(Station& station);

}  // namespace orvant
