#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "config/satellite_record.h"

namespace orvant {

// A frequency as the radios take it: whole MHz followed by the Hz part on six digits.
struct FrequencyDigits {
    std::string text;
    std::int64_t hzPart = 0;  // the sub-MHz part in Hz
};
FrequencyDigits frequencyDigits(double guardedMHz);

// The frequency on the other side of a converter (or a transponder) whose oscillator is at
// `oscillatorMHz`: the distance of the two. When the oscillator lies above, the band is mirrored,
// and the guard is kept on top of the mirrored frequency.
double throughConverter(double guardedMHz, double oscillatorMHz);

// A frequency typed by the operator: the whole text (blanks around it aside) must be a positive
// number below `kDialLimitMHz`, read in the C locale; nullopt otherwise. The guard is added.
std::optional<double> typedFrequency(const std::string& text);
// The text an entry box shows for a held frequency: the guard taken off, six decimals.
std::string entryText(double guardedMHz);

constexpr double kSpeedOfLightKmS = 299792.458;

// Doppler shifts in whole Hz, floored, of a carrier: from the range rate (km/s, positive while
// the distance grows), or from a Doppler factor. Positive while the satellite approaches. A shift
// of kDialLimitMHz or more either way, or one that is no number, counts as none (0).
std::int64_t rangeRateShiftHz(double carrierMHz, double rangeRateKmS);
std::int64_t factorShiftHz(double carrierMHz, double factor);

}  // namespace orvant
