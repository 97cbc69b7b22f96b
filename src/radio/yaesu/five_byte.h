#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace orvant::yaesu {

// Yaesu's CAT block: four parameter bytes P1..P4 followed by one command byte. Frequencies travel
// in the parameter bytes as packed BCD, two decimal digits a byte, in steps of 10 Hz.

using Params = std::array<std::int16_t, 4>;

constexpr std::int16_t kCatOn = 0x00;
constexpr std::int16_t kCatOff = 0x80;

// The message of one block: P1..P4, then the command.
std::vector<std::int16_t> block(std::int16_t command, const Params& params = {});

// How a model lays a frequency into P1..P4.
enum class FrequencyForm {
    // A nine-digit field, hundreds of MHz down to tens of Hz, the most significant pair first:
    // 145.9 MHz is 14 59 00 00, 29.4 MHz 02 94 00 00.
    MostFirst,
    // The FT-736R: as `MostFirst` below 1 GHz; a ten-digit text is its 23 cm band, 1200 to
    // 1299.99999 MHz, where P1 is C0 plus the tens-of-MHz digit and P2..P4 hold the digits from
    // the MHz down to the tens of Hz: 1269.5 MHz is C6 95 00 00. The hundreds digit (2) is
    // implied by C0 and is not sent; any other ten-digit text lies outside the radio's bands.
    Ft736,
    // The nine-digit field of `MostFirst`, the least significant pair first: 145.9 MHz is
    // 00 00 59 14.
    LeastFirst,
};

// The parameter bytes of a text of Hz digits, left-padded to the form's field; nothing for a text
// that is not a frequency of the field.
std::optional<Params> frequencyParams(FrequencyForm form, std::string_view hzDigits);
// The Hz of the first four bytes as parameter bytes of that form (to the 10 Hz step); nothing
// for fewer bytes or when a nibble is not a decimal digit.
std::optional<std::int64_t> decodeFrequency(FrequencyForm form,
                                            std::span<const std::uint8_t> params);

}  // namespace orvant::yaesu
