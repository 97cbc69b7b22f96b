#include "radio/sim/civ_commands.h"

#include <array>
#include <string>

#include "radio/icom/civ.h"

namespace orvant::sim {

namespace {

constexpr std::uint8_t kNotGood = 0xFA;

// Mode texts of the CI-V mode bytes 0..6 (4 is not used by the program).
constexpr std::array<const char*, 7> kModes{"LSB", "USB", "AM", "CW", "", "FM", "WFM"};

bool applySelect(std::uint8_t choice, RadioDial& dial) {
    if (choice == civ::kMainBand || choice == civ::kSubBand)
        dial.controlBand = choice == civ::kMainBand ? RadioDial::kMain : RadioDial::kSub;
    else if (choice == civ::kVfo)
        dial.selectedVfo = RadioDial::kVfoA;
    else
        return false;
    return true;
}

bool applyMode(std::uint8_t mode, RadioDial& dial) {
    if (mode >= kModes.size() || *kModes[mode] == '\0') return false;
    dial.vfo(dial.selectedVfo).mode = kModes[mode];
    return true;
}

bool applySatelliteMode(const std::vector<std::uint8_t>& data, RadioDial& dial) {
    if (data.size() != 2 || data[0] != 0x07 || data[1] > 1) return false;
    dial.satelliteMode = data[1] == 1;
    return true;
}

// Applies a command with its data; false for one the radio cannot read.
bool applyCommand(const civ::Received& command, RadioDial& dial) {
    const std::vector<std::uint8_t>& data = command.data;
    switch (command.command) {
        case civ::kSelect:
            return data.size() == 1 && applySelect(data[0], dial);
        case civ::kSetFrequency: {
            const auto hz = civ::decodeFrequencyData(data);
            if (hz) dial.vfo(dial.selectedVfo).hz = *hz;
            return hz.has_value();
        }
        case civ::kSetMode:
            return !data.empty() && applyMode(data[0], dial);
        case civ::kExtended:
            return applySatelliteMode(data, dial);
        case civ::kSplit:
        case civ::kMemoryChannel:
            return true;
        default:
            return false;
    }
}

}  // namespace

std::vector<std::uint8_t> CivCommands::apply(const std::vector<std::uint8_t>& message,
                                             RadioDial& dial) const {
    const auto command = civ::parseMessage(message);
    if (!command || command->address != address_) return {};
    if (command->command == civ::kReadFrequency && command->data.empty())
        return civ::frequencyAnswer(address_, dial.vfo(dial.selectedVfo).hz);
    if (applyCommand(*command, dial)) return {};
    const auto address = static_cast<std::uint8_t>(address_);
    return {civ::kPreamble, civ::kPreamble, civ::kController, address, kNotGood, civ::kEnd};
}

}  // namespace orvant::sim
