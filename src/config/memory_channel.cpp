#include "config/memory_channel.h"

#include <algorithm>
#include <cmath>

#include "config/text_rules.h"

namespace orvant {

namespace {

constexpr int kChannelCharacters = 3;
constexpr double kHighestByte = 255;
constexpr std::int16_t kUncarried[] = {0xF0, 0xFC, 0xFD, 0xFE};

}  // namespace

std::optional<std::int16_t> civMemoryChannel(const std::string& value) {
    const double number = leadingNumber(right(value, kChannelCharacters));
    if (!(number >= 0 && number <= kHighestByte) || number != std::floor(number))
        return std::nullopt;
    const auto channel = static_cast<std::int16_t>(number);
    if (std::find(std::begin(kUncarried), std::end(kUncarried), channel) != std::end(kUncarried))
        return std::nullopt;
    return channel;
}

}  // namespace orvant
