#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orvant::aor {

// The AOR AR5000's command lines: ASCII, each ended by a carriage return. A frequency travels as
// "RF" and ten decimal digits of Hz.

constexpr char kLineEnd = '\r';
constexpr std::string_view kFrequencyCommand = "RF";
constexpr int kFrequencyDigits = 10;
// Asks for the receiver's frequency.
constexpr std::string_view kReadQuery = "RX\r";

// The mode of a mode command: "MD0" FM, "MD1" AM, "MD2" LSB, "MD3" USB, "MD4" CW; empty for any
// other text.
std::string_view modeOfCommand(std::string_view command);

// The receiver's set-up list (the satellite file's downlink mode text, commands separated by
// commas) carries its mode in the fourth command.
// The mode of a list's fourth command; empty when it has none of the modes above.
std::string_view modeOfList(const std::string& list);
// Whether a list has a fourth command and the mode a command.
bool listTakesMode(const std::string& list, std::string_view mode);
// The list with its fourth command set to a mode's; unchanged when it does not take the mode.
std::string listWithMode(const std::string& list, std::string_view mode);

// "RF0145900000\r" for "145900000"; nothing for a text that is not a frequency of at most ten
// digits.
std::optional<std::string> frequencyLine(std::string_view hzDigits);
// The receiver's answer to the query: "VA " (its VFO), then "RF" with the ten digits, then the end
// of the line.
std::string frequencyAnswer(std::int64_t hz);
// The Hz of an answer, read from reply bytes 4 and 5 ("RF") and 6 to 15 (the digits); nothing
// unless they are wholly that.
std::optional<std::int64_t> decodeFrequencyAnswer(std::span<const std::uint8_t> reply);

}  // namespace orvant::aor
