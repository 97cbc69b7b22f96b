#pragma once

#include "radio/radio_types.h"
#include "radio/sim/simulated_radio.h"

namespace orvant::sim {

// Yaesu's five-byte blocks, as the FT-736R, FT-847, FT-757, FT-100 and FT-980 take them. The
// FT-736R and FT-847 hear nothing but CAT on (00) until they get it, and nothing more after CAT
// off (80). A radio in satellite mode (FT-736R 0E; FT-847 4E on, 8E off) receives on the main
// band and transmits on the sub band: the satellite downlink commands (17 mode, 1E / 11
// frequency, 13 read) act on the main band, the uplink commands (27, 2E / 21, 23) on the sub
// band, the plain ones (07, 01, 03) on the main band. The FT-757 takes the mode (27 uplink table,
// 17 downlink table) and the frequency (0A); the FT-100 selects VFO A or B (05, P4), and sets the
// mode (0C, P4), the frequency (0A) and answers the status query (10) on the selected VFO; the
// FT-980 takes its set-up. Other blocks change nothing, and bytes that are not one block are not
// heard. Only the read commands are answered: the FT-847 with the four frequency bytes and the
// mode byte, the FT-100 with its status.
class FiveByteCommands : public CommandSet {
  public:
    explicit FiveByteCommands(RadioDriver model) : model_(model) {}
    std::vector<std::uint8_t> apply(const std::vector<std::uint8_t>& message,
                                    RadioDial& dial) const override;

  private:
    RadioDriver model_;
};

}  // namespace orvant::sim
