#pragma once

namespace orvant {

class Display;
struct Station;

// Declares the controls that start-up and the polling loop show, hide and caption (the other
// areas declare their own controls).
void declareStartupControls(Display& display);
// Binds the handlers of start-up's own controls (the satellite file list).
void bindStartupHandlers(Station& station);

}  // namespace orvant
