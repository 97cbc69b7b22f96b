#pragma once

namespace orvant {

struct Station;

// The handler of the satellite file list `File1`: takes the selected entry as the chosen
// satellite file (shown in `lbl_sat_name`); with no entry in the list at all it tells the
// operator and ends the program.
void File1_Click(Station& station);

// Shows the file list and waits until the operator has picked a satellite file; the picked
// name (upper case, without ".SAT") becomes the satellite name.
void pickSatelliteFromList(Station& station);

// The loop's way back to the list: the operator has already picked a file there while the loop
// ran; the list is shown again and the picked file becomes the satellite.
void pickSatelliteFromListAgain(Station& station);

}  // namespace orvant
