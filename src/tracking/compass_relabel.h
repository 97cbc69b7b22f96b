#pragma once

#include <array>
#include <string>

namespace orvant {

struct Station;

// The 360-degree compass scale of rotator types 0 and 1: seventeen labels along `hs_hf`, one
// every 22.5 degrees, in order from the left end of the scale.
extern const std::array<std::string, 17> kCompassScaleLabels;

// Writes degree numbers into the scale labels (a click on `lbl_hf180` or `lbl_hf360`).
void lbl_hf180_Click(Station& station);
// Writes compass-point names into the scale labels (a double-click on either).
void lbl_hf180_DblClick(Station& station);

}  // namespace orvant
