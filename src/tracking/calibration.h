#pragma once

#include <string>

namespace orvant {

struct Station;

// The calibration view: both rotators are held while the operator moves the antennas with the
// controller box's manual switches and adjusts its feedback voltages, watching the raw counts.

// Opens the view (double-click on `lbl_calib`) and reads the counts until the view is closed.
void lbl_calib_DblClick(Station& station);
// Closes the view (click on `calcmd`, "Restore").
void calcmd_Click(Station& station);

// The instructions shown in `Text3`.
std::string calibrationInstructions();

}  // namespace orvant
