#include "radio/frequency_text.h"

#include <charconv>
#include <cmath>

#include "config/text_rules.h"

namespace orvant {

namespace {

constexpr double kHzPerMHz = 1e6;
// Rounding noise of a double at a few GHz, in Hz, far below one hertz.
constexpr double kRoundingNoiseHz = 1e-3;

// A shift in whole Hz, floored. One that no dial could take, or no number at all, is no shift:
// it must never reach the integer it is cast to.
std::int64_t wholeShiftHz(double hz) {
    if (!(std::fabs(hz) < kDialLimitMHz * kHzPerMHz)) return 0;
    return static_cast<std::int64_t>(std::floor(hz));
}

std::string sixDigits(std::int64_t hz) {
    std::string digits = std::to_string(hz);
    return std::string(digits.size() < 6 ? 6 - digits.size() : 0, '0') + digits;
}

}  // namespace

FrequencyDigits frequencyDigits(double guardedMHz) {
    const double hz = (guardedMHz - kGuardMHz) * kHzPerMHz;
    const auto whole = static_cast<std::int64_t>(std::floor(hz + kRoundingNoiseHz));
    const std::int64_t hzPart = whole % 1000000;
    return {std::to_string(whole / 1000000) + sixDigits(hzPart), hzPart};
}

double throughConverter(double guardedMHz, double oscillatorMHz) {
    return std::abs(guardedMHz - kGuardMHz - oscillatorMHz) + kGuardMHz;
}

std::optional<double> typedFrequency(const std::string& text) {
    const std::string number = trim(text);
    double mhz = 0;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, mhz);
    if (number.empty() || error != std::errc{} || stop != end || !(mhz > 0) ||
        !(mhz < kDialLimitMHz))
        return std::nullopt;
    return mhz + kGuardMHz;
}

std::string entryText(double guardedMHz) {
    return fixed(guardedMHz - kGuardMHz, 6);
}

std::int64_t rangeRateShiftHz(double carrierMHz, double rangeRateKmS) {
    return wholeShiftHz(-carrierMHz * rangeRateKmS / kSpeedOfLightKmS * kHzPerMHz);
}

std::int64_t factorShiftHz(double carrierMHz, double factor) {
    return wholeShiftHz(factor * carrierMHz * kHzPerMHz);
}

}  // namespace orvant
