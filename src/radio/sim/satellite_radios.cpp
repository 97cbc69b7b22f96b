#include "radio/sim/satellite_radios.h"

#include <algorithm>

#include "config/satellite_record.h"
#include "controller/port_choice.h"
#include "radio/radio_types.h"
#include "radio/sim/aor_commands.h"
#include "radio/sim/civ_commands.h"
#include "radio/sim/five_byte_commands.h"
#include "radio/sim/kenwood_commands.h"

namespace orvant {

namespace sim {

namespace {

std::unique_ptr<CommandSet> commandSetOf(const RadioType& type) {
    switch (type.driver) {
        case RadioDriver::Kenwood:
        case RadioDriver::Ts2000:
            return std::make_unique<KenwoodCommands>();
        case RadioDriver::Icom:
        case RadioDriver::IcomR8500:
        case RadioDriver::IcomR7000:
        case RadioDriver::IcomR9000:
            return std::make_unique<CivCommands>(type.civAddress);
        case RadioDriver::Ft736:
        case RadioDriver::Ft847:
        case RadioDriver::Ft757:
        case RadioDriver::Ft100:
        case RadioDriver::Ft980:
            return std::make_unique<FiveByteCommands>(type.driver);
        case RadioDriver::Ar5000:
            return std::make_unique<AorCommands>();
        default:
            return nullptr;
    }
}

// The row of a type code in whichever position can hold it.
const RadioType* typeOfCode(std::int16_t code) {
    if (const RadioType* type = radioTypeAt(code, 1)) return type;
    return radioTypeAt(code, 0);
}

}  // namespace

SatelliteRadios::SatelliteRadios(const SatelliteRecord& sat) : sat_(sat) {}

SimulatedRadio* SatelliteRadios::radioOf(std::int16_t code) {
    if (const auto it = radios_.find(code); it != radios_.end()) return it->second.get();
    const RadioType* type = typeOfCode(code);
    std::unique_ptr<CommandSet> commands = type ? commandSetOf(*type) : nullptr;
    if (!commands) return nullptr;
    return (radios_[code] = std::make_unique<SimulatedRadio>(std::move(commands))).get();
}

// Every radio on the channel hears the message; the first that answers is heard back.
std::vector<std::uint8_t> SatelliteRadios::deliver(int channel,
                                                   const std::vector<std::uint8_t>& message) {
    std::vector<std::uint8_t> answer;
    std::vector<SimulatedRadio*> heard;
    for (int side = 0; side <= 1; ++side) {
        if (catChannelAt(sat_, side) != channel || !radioTypeAt(sat_, side)) continue;
        SimulatedRadio* radio = radioOf(radioCodeAt(sat_, side));
        if (!radio || std::find(heard.begin(), heard.end(), radio) != heard.end()) continue;
        heard.push_back(radio);
        std::vector<std::uint8_t> own = radio->receive(message);
        if (answer.empty()) answer = std::move(own);
    }
    return answer;
}

}  // namespace sim

std::unique_ptr<sim::SatelliteRadios> simulateSatelliteRadios(PortChoice& ports,
                                                              const SatelliteRecord& sat) {
    auto radios = std::make_unique<sim::SatelliteRadios>(sat);
    ports.attachSimRadios(&radios->channel(1), &radios->channel(2));
    return radios;
}

}  // namespace orvant
