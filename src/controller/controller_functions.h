#pragma once

#include <cstdint>

namespace orvant {

struct Station;

// The controller's own operator functions.

// Pulses the card's reset line, ends a running pause and lets a held loop go on.
void lbl_reset_Click(Station& station);
// Shows bits 0 and 1 of the external control-port value on the lamps and places the value in
// frame slot 51 (the operator-facing name of this routine is "switch").
void switch_(Station& station, std::int16_t value);

// The lamps of the two external outputs. A click shows the lamp clicked; a double-click switches
// the output it shows (the lamps and the frame follow on the loop's next pass).
void img_Ecp0Black_Click(Station& station);
void img_Ecp0Red_Click(Station& station);
void img_Ecp1Black_Click(Station& station);
void img_Ecp1Red_Click(Station& station);
void img_Ecp0Black_DblClick(Station& station);
void img_Ecp0Red_DblClick(Station& station);
void img_Ecp1Black_DblClick(Station& station);
void img_Ecp1Red_DblClick(Station& station);

// The traffic windows: the label shows the sent-frame and reply windows; a window clicked hides.
void lbl_extcontrolport_Click(Station& station);
void Text1_Click(Station& station);
void Text2_Click(Station& station);
void Text4_Click(Station& station);

// Shows the reply bytes in the readback dump window `Text4`.
void dump(Station& station);
// The four-causes message after too many bad replies; the second one enters demonstration mode.
void bad_ads(Station& station);
// True once the four-causes message has been shown twice.
bool inDemonstrationMode(const Station& station);
// Releases both rotator inhibits, sends one frame and marks the antennas for parking.
void starter(Station& station);

}  // namespace orvant
