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

}  // namespace orvant
