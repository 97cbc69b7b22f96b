#include "radio/yaesu/five_byte.h"

#include <algorithm>
#include <string>

#include "radio/digit_field.h"

namespace orvant::yaesu {

namespace {

constexpr std::size_t kFieldDigits = 9;
constexpr std::size_t kBand23cmDigits = 10;
constexpr std::int64_t kHzPerStep = 10;
constexpr std::string_view kBand23cm = "12";
constexpr std::int16_t kBand23cmMark = 0xC0;
constexpr std::int64_t kBand23cmBaseHz = 1'200'000'000;

// Eight digits as four packed BCD bytes, the first pair first.
Params pairsOf(std::string_view digits) {
    Params params{};
    for (std::size_t i = 0; i < params.size(); ++i)
        params[i] = static_cast<std::int16_t>(16 * (digits[2 * i] - '0') + digits[2 * i + 1] - '0');
    return params;
}

// The number four packed BCD bytes hold, the first pair first.
std::optional<std::int64_t> bcdValue(std::span<const std::uint8_t> bytes) {
    std::int64_t value = 0;
    for (const std::uint8_t byte : bytes) {
        const int high = byte >> 4;
        const int low = byte & 0x0F;
        if (high > 9 || low > 9) return std::nullopt;
        value = value * 100 + 10 * high + low;
    }
    return value;
}

std::optional<Params> mostFirst(std::string_view hzDigits) {
    const auto field = digitField(hzDigits, kFieldDigits);
    if (!field) return std::nullopt;
    return pairsOf(*field);
}

std::optional<Params> band23cm(std::string_view hzDigits) {
    if (!digitField(hzDigits, kBand23cmDigits) || !hzDigits.starts_with(kBand23cm))
        return std::nullopt;
    Params params = pairsOf("0" + std::string(hzDigits.substr(kBand23cm.size())));
    params[0] = static_cast<std::int16_t>(params[0] + kBand23cmMark);
    return params;
}

std::optional<Params> leastFirst(std::string_view hzDigits) {
    std::optional<Params> params = mostFirst(hzDigits);
    if (params) std::reverse(params->begin(), params->end());
    return params;
}

}  // namespace

std::vector<std::int16_t> block(std::int16_t command, const Params& params) {
    return {params[0], params[1], params[2], params[3], command};
}

std::optional<Params> frequencyParams(FrequencyForm form, std::string_view hzDigits) {
    switch (form) {
        case FrequencyForm::MostFirst:
            return mostFirst(hzDigits);
        case FrequencyForm::Ft736:
            return hzDigits.size() == kBand23cmDigits ? band23cm(hzDigits) : mostFirst(hzDigits);
        case FrequencyForm::LeastFirst:
            return leastFirst(hzDigits);
    }
    return std::nullopt;
}

std::optional<std::int64_t> decodeFrequency(FrequencyForm form,
                                            std::span<const std::uint8_t> params) {
    std::array<std::uint8_t, std::tuple_size_v<Params>> bytes{};
    if (params.size() < bytes.size()) return std::nullopt;
    std::copy_n(params.begin(), bytes.size(), bytes.begin());
    std::int64_t baseHz = 0;
    if (form == FrequencyForm::LeastFirst) std::reverse(bytes.begin(), bytes.end());
    if (form == FrequencyForm::Ft736 && (bytes[0] & 0xF0) == kBand23cmMark) {
        bytes[0] &= 0x0F;
        baseHz = kBand23cmBaseHz;
    }
    const auto steps = bcdValue(bytes);
    if (!steps) return std::nullopt;
    return baseHz + *steps * kHzPerStep;
}

}  // namespace orvant::yaesu
