#pragma once

#include <string>

#include "config/satellite_record.h"

namespace orvant {

// Finds a satellite's Keplerian element set in the text of a two-line element file: the first
// line whose catalog number equals `catalogNumber` together with the line after it; name lines
// and other lines are passed over. CR LF, LF and CR line ends are all accepted; no checksum is
// tested.
//
// Throws FileError: PastEnd when the catalog number is not in the text, Corrupt when the set
// found is one the orbit model cannot serve (a line cut short, no second line, a value beyond the
// floating range, an epoch day outside its year, a mean motion of 0 or less or of more than 100
// revolutions a day, or an eccentricity of 1 or more).
ElementSet findElementSet(const std::string& text, const std::string& catalogNumber);

}  // namespace orvant
