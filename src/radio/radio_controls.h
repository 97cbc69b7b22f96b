#pragma once

namespace orvant {

class Display;
struct Station;

// The radio captions and the two read-back labels.
void declareRadioControls(Display& display);
// Connects the read-back labels to their handlers; a read-back that breaks down goes to
// `readbackBroken`.
void bindRadioHandlers(Station& station, void (*readbackBroken)(Station&));

// Double-clicks on the read-back labels: the dial of the uplink / downlink radio is read back
// through its family's read-back and the bases re-centred on it. Radios without a read-back
// are not asked. Throw `RadioReadbackBroken` when the radio's read-back broke down.
void lbl_Up_read_DblClick(Station& station);
void lbl_down_read_DblClick(Station& station);

}  // namespace orvant
