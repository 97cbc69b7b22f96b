#pragma once

#include "radio/sim/simulated_radio.h"

namespace orvant::sim {

// Kenwood's text commands, as the TS-790, TS-440S, TS-680S, TS-711, TS-811 and TS-2000 take
// them: "FA"/"FB" with 11 digits tune VFO A/B of the control band and without digits ask for it;
// "MD" sets the mode of the selected VFO; "FT"/"FR" choose the transmit/receive VFO; "DC" chooses
// the control band (its last digit); "SA" switches satellite mode (its first digit). Other
// commands of the set-up (AI, FN, SP, RC, RX, MC) change nothing here. A command the radio cannot
// read is answered "?;".
class KenwoodCommands : public CommandSet {
  public:
    std::vector<std::uint8_t> apply(const std::vector<std::uint8_t>& message,
                                    RadioDial& dial) const override;
};

}  // namespace orvant::sim
