#pragma once

namespace orvant {

struct Station;

// Finds the satellite's Keplerian element set in the two-line element file named by the station
// configuration (`station.cfg.kepsPath`) and stores it in `station.sat.elements`. The set is the
// first line whose catalog number equals `station.sat.catalogNumber` (as text) together with the
// line after it; name lines and other lines are passed over. CR LF, LF and CR line ends are all
// accepted; no checksum is tested.
//
// Throws FileError: NotFound or PathNotFound when the file cannot be opened, PastEnd when the
// catalog number is not in the file, Corrupt when the set found is one the orbit model cannot
// serve (a line cut short, no second line, a mean motion of 0 or less, or an eccentricity of 1
// or more). On failure the element set is left as it was. The caller sets the stage code.
void readElementSet(Station& station);

}  // namespace orvant
