#include "radio/tuning_range.h"

#include <algorithm>

#include "config/satellite_record.h"
#include "radio/aor/aor_line.h"
#include "radio/icom/civ.h"
#include "radio/kenwood/text_command.h"
#include "radio/radio_drivers.h"

namespace orvant {

namespace {

constexpr double kHzPerMHz = 1e6;
constexpr double kLowestHz = 1;

double allNines(int digits) {
    double value = 0;
    for (int i = 0; i < digits; ++i) value = value * 10 + 9;
    return value;
}

// The highest frequency a driver's frequency message carries; 0 for a driver that sends none.
double highestHz(RadioDriver driver) {
    constexpr int kYaesuDigits = 9;                // four packed BCD bytes of 10 Hz steps
    constexpr double kFt736HighestHz = 1.3e9 - 1;  // the 23 cm band marked in the first byte
    switch (driver) {
        case RadioDriver::Kenwood:
        case RadioDriver::Ts2000:
            return allNines(kenwood::kFrequencyDigits);
        case RadioDriver::Icom:
        case RadioDriver::IcomR8500:
        case RadioDriver::IcomR7000:
        case RadioDriver::IcomR9000:
            return allNines(civ::kFrequencyDigits);
        case RadioDriver::Ar5000:
            return allNines(aor::kFrequencyDigits);
        case RadioDriver::Ft736:
            return kFt736HighestHz;
        case RadioDriver::Ft847:
        case RadioDriver::Ft757:
        case RadioDriver::Ft100:
            return allNines(kYaesuDigits);
        case RadioDriver::Ft980:
        case RadioDriver::None:
            return 0;
    }
    return 0;
}

}  // namespace

std::vector<std::pair<double, double>> linkTuningRangesHz(const SatelliteRecord& sat, int side) {
    const RadioType* type = radioTypeAt(sat, side);
    const double highest = type ? highestHz(type->driver) : 0;
    if (highest == 0) return {};
    const double oscillator = (side == 0 ? sat.upConverterMHz : sat.downConverterMHz) * kHzPerMHz;
    std::vector<std::pair<double, double>> ranges{{oscillator + kLowestHz, oscillator + highest}};
    if (oscillator > kLowestHz)
        ranges.emplace_back(std::max(oscillator - highest, kLowestHz), oscillator - kLowestHz);
    return ranges;
}

}  // namespace orvant
