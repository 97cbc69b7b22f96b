#pragma once

#include <string>

#include "config/station_config.h"

namespace orvant {

// Reads the text of the station configuration "ORV.CFG": the 35 values converted, with the
// load-time corrections applied and the derived values (port addresses, scales, tolerances in
// counts) computed. `demo` (the demonstration flag of the command line) forces rotator type 0.
//
// Throws FileError: PastEnd when the text holds fewer than 35 values, Corrupt for a rotator type
// outside 0..5, an integer value outside the 16-bit range, or a port address whose registers do
// not fit in 16 bits.
StationConfig parseStationConfig(const std::string& text, bool demo);

}  // namespace orvant
