#include "radio/digit_field.h"

#include <algorithm>

namespace orvant {

std::optional<std::string> digitField(std::string_view hzDigits, std::size_t width) {
    if (hzDigits.empty() || hzDigits.size() > width ||
        !std::all_of(hzDigits.begin(), hzDigits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::string(width - hzDigits.size(), '0') + std::string(hzDigits);
}

}  // namespace orvant
