#pragma once

namespace orvant {

struct Station;

// Puts the radios back into a plain state and releases the card; ends the program at once when
// the hand-off has been lost.
void closeAll(Station& station);
// The Exit button: full shutdown, then the program ends.
void cmd_Bye_Click(Station& station);

}  // namespace orvant
