#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvant {

// A frequency text of Hz digits in a radio's fixed-width field: left-padded with zeros to `width`
// digits. Nothing for a text that is empty, holds anything but digits or is longer than the field,
// so that no part of it reaches a radio.
std::optional<std::string> digitField(std::string_view hzDigits, std::size_t width);

}  // namespace orvant
