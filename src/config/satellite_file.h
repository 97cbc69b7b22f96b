#pragma once

#include <string>

#include "config/satellite_record.h"

namespace orvant {

// The file name a satellite name gives: every blank and "/" becomes "-".
std::string satelliteFileName(std::string name);

// Reads the text of the satellite file of `name` (upper case) over `previous`, the record it
// replaces: the 26 values converted, the serial speeds turned into the card's timing pairs, the
// sense of each converter (a converter above the satellite frequency inverts the link and swaps
// its sideband), and the small nudge added to the base frequencies. Values the file does not
// set keep their previous values.
//
// Throws FileError PastEnd when the text holds fewer than 26 values, Corrupt when an integer
// field lies outside the 16-bit range.
SatelliteRecord parseSatelliteFile(const std::string& text, const std::string& name,
                                   SatelliteRecord previous);

// Fills the satellite record with the built-in values of "DEFAULT" (no satellite yet). The
// catalog number, the orbit-phase automation flag, the forced park azimuth, the radio type codes
// and the right ascension of the ascending node keep their previous values.
void useBuiltInSatellite(SatelliteRecord& sat);

}  // namespace orvant
