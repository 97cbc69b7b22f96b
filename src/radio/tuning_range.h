#pragma once

#include <utility>
#include <vector>

namespace orvant {

struct SatelliteRecord;

// The frequencies at the satellite, in hertz (lowest and highest of each range), that one link
// of the loaded satellite can be tuned to (side 0 uplink, 1 downlink): what the frequency message
// of its radio's driver can carry, seen through the link's converter, which puts the radio's
// range both above and, mirrored, below its oscillator. Empty when the link has no radio that
// takes frequencies.
std::vector<std::pair<double, double>> linkTuningRangesHz(const SatelliteRecord& sat, int side);

}  // namespace orvant
