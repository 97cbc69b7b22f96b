#pragma once

namespace orvant {

class Display;
struct Station;

// The radio captions and the two read-back labels.
void declareRadioControls(Display& display);
// Connects the read-back labels to their handlers.
void bindRadioHandlers(Station& station);

// Double-clicks on the read-back labels: the dial of the uplink / downlink radio is read back
// through its family's read-back and the bases re-centred on it. Radios without a read-back
// are not asked.
void lbl_Up_read_DblClick(Station& station);
void lbl_down_read_DblClick(Station& station);

}  // namespace orvant
