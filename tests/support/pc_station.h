#pragma once

#include <memory>
#include <string>
#include <vector>

#include "controller/pc/pc_card.h"
#include "radio/cat_framing.h"
#include "support/pass_station.h"
#include "support/pty_radio.h"
#include "support/rotctld_daemon.h"

namespace orvant::testing {

// Hands every port access to the card of the PC's own, and every write to the simulated card as
// well: the simulated card takes the same frames beside it and keeps what it would relay.
class TeePort : public PortIO {
  public:
    TeePort(PortIO& card, PortIO& beside) : card_(card), beside_(beside) {}
    std::uint8_t read(std::uint16_t address) override { return card_.read(address); }
    void write(std::uint16_t address, std::uint8_t value) override {
        card_.write(address, value);
        beside_.write(address, value);
    }
    bool needsPauseAfterFrame() const override { return card_.needsPauseAfterFrame(); }

  private:
    PortIO& card_;
    PortIO& beside_;
};

// The sample station with the card of the PC's own behind its port: CAT channel 1 on `radio`'s
// pseudo-terminal, the rotator behind `rotctld`. The simulated card of `PassStation` takes the
// same frames beside it (`card.relayed()`) and drives nothing. The card's fault reports are kept.
struct PcPassStation : PassStation {
    PcPassStation(LocalDateTime start, const PtyRadio& radio, const RotctldDaemon& rotctld);

    SatelliteCatFramings framings{station.sat};
    std::vector<std::string> faults;
    std::unique_ptr<pc::PcCard> pcCard;
    std::unique_ptr<TeePort> tee;
};

}  // namespace orvant::testing
