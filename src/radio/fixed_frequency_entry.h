#pragma once

namespace orvant {

struct Station;

// The fixed-frequency entry: the operator types a frequency in MHz into the uplink box
// `txt_rad_left` (`radleft`) or the downlink box `txt_rad_right` (`radright`) and presses Return.
// The window runs (the loop stands still) until a number is entered; anything else is refused
// with `bad_entry` and asked again, with nothing sent in between. The number becomes the base
// frequency and is sent on the next pass.
void radleft(Station& station);
void radright(Station& station);

// Tells the operator that a frequency must be typed as a number.
void bad_entry(Station& station);

}  // namespace orvant
