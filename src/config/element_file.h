#pragma once

#include <string>

#include "config/satellite_record.h"

namespace orvant {

// The mean motions (revolutions a day) an element set may have. Below the least, a period of
// 100 days and a semi-major axis of about 910,000 km, more than twice the moon's distance, no
// earth orbit is left to model (and a mean motion such as 1.82e-259 would overflow the models);
// at the most, the ellipse would lie deep inside the earth.
constexpr double kMinMeanMotion = 0.01;
constexpr double kMaxMeanMotion = 100;

// Finds a satellite's element set in the text of an element file. The file holds two-line element
// sets (name lines and other lines are passed over; CR LF, LF and CR line ends are all accepted;
// no checksum is tested) or OMM records in CSV, XML or JSON, told apart by the content. A
// two-line set is found by the first line whose catalog number is `catalogNumber` as written, or
// the same number where one of them is in the Alpha-5 form; an OMM record by its NORAD_CAT_ID
// read as a number.
//
// Throws FileError: PastEnd when the catalog number is not in the text, Corrupt when the set
// found is one the orbit models cannot serve (a line cut short, no second line, an OMM field the
// orbit needs missing or not a number, an epoch that is no date, a value beyond the floating
// range, an epoch day outside its year, a mean motion outside kMinMeanMotion..kMaxMeanMotion,
// an eccentricity outside 0 up to 1) or an OMM text that cannot be read. The error's detail says
// which.
ElementSet findElementSet(const std::string& text, const std::string& catalogNumber);

}  // namespace orvant
