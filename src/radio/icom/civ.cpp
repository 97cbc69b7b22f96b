#include "radio/icom/civ.h"

#include <algorithm>
#include <string>

#include "radio/digit_field.h"

namespace orvant::civ {

namespace {

constexpr std::size_t kHeaderBytes = 5;  // FE FE, to, from, command
constexpr std::size_t kAnswerBytes = kHeaderBytes + kFrequencyBytes + 1;

// Ten digits of Hz (the digits above them cut off) in packed BCD, the least significant pair
// first.
std::vector<std::int16_t> packedBcd(std::int64_t hz) {
    std::vector<std::int16_t> bytes;
    for (int pair = 0; pair < kFrequencyBytes; ++pair, hz /= 100)
        bytes.push_back(static_cast<std::int16_t>(16 * (hz % 100 / 10) + hz % 10));
    return bytes;
}

// The message that `bytes` begin with, from FE FE `to` `from` up to the first FD after the
// command; nothing when they begin otherwise or hold no end byte.
std::optional<std::span<const std::uint8_t>> framedBetween(std::span<const std::uint8_t> bytes,
                                                           std::uint8_t to, std::uint8_t from) {
    if (bytes.size() < kHeaderBytes + 1 || bytes[0] != kPreamble || bytes[1] != kPreamble ||
        bytes[2] != to || bytes[3] != from)
        return std::nullopt;
    const auto end = std::find(bytes.begin() + kHeaderBytes, bytes.end(), kEnd);
    if (end == bytes.end()) return std::nullopt;
    return bytes.subspan(0, static_cast<std::size_t>(end - bytes.begin()) + 1);
}

}  // namespace

std::vector<std::int16_t> message(std::int16_t address, std::int16_t command,
                                  const std::vector<std::int16_t>& data) {
    std::vector<std::int16_t> bytes{kPreamble, kPreamble, address, kController, command};
    bytes.insert(bytes.end(), data.begin(), data.end());
    bytes.push_back(kEnd);
    return bytes;
}

std::optional<std::vector<std::int16_t>> frequencyData(std::string_view hzDigits) {
    const auto digits = digitField(hzDigits, kFrequencyDigits);
    if (!digits) return std::nullopt;
    return packedBcd(std::stoll(*digits));
}

std::optional<std::int64_t> decodeFrequencyData(std::span<const std::uint8_t> data) {
    if (data.size() != kFrequencyBytes) return std::nullopt;
    std::int64_t hz = 0;
    for (auto byte = data.rbegin(); byte != data.rend(); ++byte) {
        const int high = *byte >> 4;
        const int low = *byte & 0x0F;
        if (high > 9 || low > 9) return std::nullopt;
        hz = hz * 100 + 10 * high + low;
    }
    return hz;
}

std::vector<std::uint8_t> frequencyAnswer(std::int16_t address, std::int64_t hz) {
    std::vector<std::uint8_t> answer{kPreamble, kPreamble, kController,
                                     static_cast<std::uint8_t>(address), kReadFrequency};
    for (const std::int16_t byte : packedBcd(hz)) answer.push_back(static_cast<std::uint8_t>(byte));
    answer.push_back(kEnd);
    return answer;
}

std::optional<std::int64_t> decodeFrequencyAnswer(std::span<const std::uint8_t> reply,
                                                  std::int16_t address) {
    const auto framed = framedBetween(reply, kController, static_cast<std::uint8_t>(address));
    if (!framed || framed->size() != kAnswerBytes || (*framed)[4] != kReadFrequency)
        return std::nullopt;
    return decodeFrequencyData(framed->subspan(kHeaderBytes, kFrequencyBytes));
}

std::optional<Received> parseMessage(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 3) return std::nullopt;
    const auto framed = framedBetween(bytes, bytes[2], kController);
    if (!framed || framed->size() != bytes.size()) return std::nullopt;
    return Received{bytes[2], bytes[4], {framed->begin() + kHeaderBytes, framed->end() - 1}};
}

}  // namespace orvant::civ
