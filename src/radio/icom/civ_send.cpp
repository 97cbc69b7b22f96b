#include "radio/icom/civ_send.h"

#include "radio/icom/civ.h"
#include "radio/radio_drivers.h"
#include "station/station.h"

namespace orvant {

void sendCiv(Station& station, std::int16_t radio, std::int16_t address, std::int16_t command,
             const std::vector<std::int16_t>& data, std::int16_t delayMs) {
    sendCatBytes(station, radio, civ::message(address, command, data), 1, delayMs);
}

std::optional<std::vector<std::int16_t>> servedFrequencyData(const Station& station) {
    if (servedLinkInhibited(station)) return std::nullopt;
    return civ::frequencyData(station.radio.catFreq);
}

}  // namespace orvant
