#pragma once

#include <string>

namespace orvant {

struct Station;

// Manual entry: the operator types a bearing for either axis; the loop then points at it.

// Enters manual entry mode (double-click on `lbl_hf`): the entry boxes and masks are shown.
// Nothing happens under WISP or NOVA.
void lbl_hf_DblClick(Station& station);
// Leaves manual entry mode (click on `lbl_hf`). Nothing happens under WISP or NOVA.
void lbl_hf_Click(Station& station);

// The azimuth entry (click on `txt_aztxt`) and the elevation entry (click on `txt_eltxt`): the
// present position is held, and the window runs until Enter is pressed in an entry box; the
// typed value (or, for an empty box, the read-back position) becomes the satellite's bearing.
void txt_aztxt_Click(Station& station);
void txt_eltxt_Click(Station& station);

// After each step of the orbit model: a typed bearing takes the place of the model's position
// until the model has moved an update step on either axis from where it stood on the first pass
// after the entry, which is when the model itself would send next. So the antennas turn to the
// typed bearing, and the model takes over again with its next send.
void holdTypedBearing(Station& station);

}  // namespace orvant
