#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "controller/cat_message.h"

namespace orvant {

struct Station;

// Sends one CI-V command with its data to the radio at `address` on the card's channel of
// `radio` (1 uplink, 2 downlink), relayed after `delayMs`.
void sendCiv(Station& station, std::int16_t radio, std::int16_t address, std::int16_t command,
             const std::vector<std::int16_t>& data = {}, std::int16_t delayMs = kCatDelayMs);

// The frequency data bytes of `catFreq` for the served position; nothing while its link is
// inhibited, or when `catFreq` is not a frequency of at most ten digits, so that nothing of the
// send reaches the radio.
std::optional<std::vector<std::int16_t>> servedFrequencyData(const Station& station);

}  // namespace orvant
