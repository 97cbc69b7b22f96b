#pragma once

namespace orvant {

struct Station;

// Reads the station configuration "ORV.CFG" from the current directory into `station.cfg`:
// the 35 values converted, with the load-time corrections applied and the derived values
// (port addresses, scales, tolerances in counts) computed. The demonstration flag of the command
// line (`station.app.demo`) forces rotator type 0.
//
// Throws FileError: NotFound or PathNotFound when the file cannot be opened, PastEnd when it
// holds fewer than 35 values, Corrupt for a rotator type outside 0..5, an integer value outside
// the 16-bit range, or a port address whose registers do not fit in 16 bits. On failure
// `station.cfg` is left as it was. Neither the display nor the current directory is touched.
void readStationConfig(Station& station);

}  // namespace orvant
