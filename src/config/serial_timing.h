#pragma once

#include <optional>

#include "config/satellite_record.h"

namespace orvant {

// The controller card's serial timing pairs: the two bytes that tell the card the speed of a CAT
// channel. The card knows 1200, 4800, 9600, 19200, 38400 and 57600 baud.

// The pair of a speed in baud; nullopt for a speed the card does not know (2400, for one).
std::optional<TimingPair> timingPairOfBaud(double baud);
// The speed in baud of a pair as the card receives it; nullopt for a pair of no known speed.
std::optional<int> baudOfTimingPair(int first, int second);

}  // namespace orvant
