#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orvant {

// Value files: ORV.CFG and the satellite files. The file is a sequence of values; each value
// starts after the next "=" and runs to the end of its line. Everything between the end of one
// value and the next "=" (line ends, label text, whole lines without "=") is skipped unread, so
// labels are free text and only the order of the values counts. A value may itself contain "=".

// The first `count` values of `bytes`. A line ends at a carriage return or at a line feed, so
// files with CR LF, bare LF or mixed line ends read the same. Throws FileError PastEnd when the
// file holds fewer values, or its last wanted value has no line end. Text after the last wanted
// value is never looked at.
std::vector<std::string> readValues(const std::string& bytes, std::size_t count);

// An integer field: the leading number of the text, rounded (halves to even) to a signed 16-bit
// integer. Throws FileError Corrupt when the number lies outside the 16-bit range.
std::int16_t integerValue(const std::string& text);

// A number field: the leading number of the text. Throws FileError Corrupt when the number lies
// beyond the floating range.
double numberValue(const std::string& text);
// A frequency (or a converter's or a transponder's offset) in MHz: a number whose size stays
// below every radio's dial; corrupt otherwise, since no radio could be sent it.
double frequencyValue(const std::string& text);

// A "YES" switch: true when the text, upper-cased, is exactly "YES".
bool yesFlag(const std::string& text);

}  // namespace orvant
