#pragma once

#include <cstdint>

#include "radio/sim/simulated_radio.h"

namespace orvant::sim {

// Icom's CI-V commands, as a radio at its own address takes them: 07 selects the main band (D0),
// the sub band (D1) or the VFO (00); 05 tunes and 06 sets the mode of the selected VFO of the
// control band; 03 asks for that VFO's frequency; 1A 07 01 / 1A 07 00 switch satellite mode on
// and off; split (0F) and memory (08) commands change nothing here. Messages to another address,
// and bytes that are not one whole message from the controller, are not heard. A command the
// radio cannot read is answered FE FE E0 addr FA FD.
class CivCommands : public CommandSet {
  public:
    explicit CivCommands(std::int16_t address) : address_(address) {}
    std::vector<std::uint8_t> apply(const std::vector<std::uint8_t>& message,
                                    RadioDial& dial) const override;

  private:
    std::int16_t address_;
};

}  // namespace orvant::sim
