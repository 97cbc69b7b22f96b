#pragma once

#include "radio/sim/simulated_radio.h"

namespace orvant::sim {

// The AOR AR5000's command lines, each ended by a carriage return: "RF" with ten digits tunes the
// receiver, "RX" asks for its frequency ("VA RF0145900000" and a carriage return), "MD0" to "MD4"
// set its mode. Other lines (the rest of a set-up list) change nothing and are not answered.
class AorCommands : public CommandSet {
  public:
    std::vector<std::uint8_t> apply(const std::vector<std::uint8_t>& message,
                                    RadioDial& dial) const override;
};

}  // namespace orvant::sim
