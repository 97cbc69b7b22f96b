#pragma once

namespace orvant {

struct Station;

// The operator's controls of the drive. Check boxes act on their present state: an operator's
// click toggles the box first (`toggleAndApply`), a value set from outside is applied as it is.

void ResetAz_Click(Station& station);
void ResetEl_Click(Station& station);
// `ch_RotAz`: unticked keeps the azimuth rotator still, ticked lets it move again.
void ch_RotAz_Click(Station& station);
// `ch_RotEl`: the same for the elevation rotator.
void ch_RotEl_Click(Station& station);
// `ch_Test`: test tracking mirrors the satellite's elevation about the horizon.
void ch_Test_Click(Station& station);
// Stops the drive (double-click on the red drive indicator).
void motor_red_DblClick(Station& station);
// Lets a held loop go on (double-click on `lbl_Valaz`).
void lbl_Valaz_DblClick(Station& station);

}  // namespace orvant
