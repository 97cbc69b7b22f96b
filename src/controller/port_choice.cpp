#include "controller/port_choice.h"

#include "controller/sim/sim_card.h"
#include "platform/printer_port.h"

namespace orvant {

PortIO* PortChoice::open(std::uint16_t baseAddress) {
    if (makeCard_) {
        port_ = makeCard_(baseAddress);
        return port_.get();
    }
    if (!simulated_) {
        tries_.clear();
        port_ = openPrinterPort(baseAddress, device_, {}, &tries_);
        return port_.get();
    }
    auto card = std::make_unique<sim::SimControllerCard>(host_, baseAddress,
                                                         sim::SimControllerCard::RelayRecord::None);
    card->attachRadio(1, simRadios_[0]);
    card->attachRadio(2, simRadios_[1]);
    port_ = std::move(card);
    return port_.get();
}

void PortChoice::attachSimRadios(sim::SimRadio* channel1, sim::SimRadio* channel2) {
    simRadios_[0] = channel1;
    simRadios_[1] = channel2;
}

}  // namespace orvant
