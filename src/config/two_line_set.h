#pragma once

#include <optional>
#include <string>

#include "config/satellite_record.h"

namespace orvant {

// The columns of a two-line element set.

// The catalog number a line carries: characters 3..7 when the first blank from character 4 on is
// character 9 (the usual "1 07530U ..." line), else characters 3..8; blanks removed.
std::string catalogNumberOf(const std::string& line);

// A catalog number as a number: five digits or more, or the Alpha-5 form of the numbers from
// 100000 up, a letter for the two leading digits ("A0000" is 100000, "Z9999" 339999; I and O
// are left out). Nullopt for any other text.
std::optional<long> catalogNumberValue(const std::string& text);

// Whether `found` (in an element file) names the satellite file's `wanted`: equal as written
// ("07530" is not "7530"), or one of them in the Alpha-5 form and both the same number.
bool sameCatalogNumber(const std::string& found, const std::string& wanted);

// The element set of a two-line set, each field read with the leading-number rule; nothing is
// checked. A line 1 too short for the drag term gives a drag term of 0.
ElementSet twoLineElements(const std::string& line1, const std::string& line2);

}  // namespace orvant
