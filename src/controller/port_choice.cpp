#include "controller/port_choice.h"

#include "controller/sim/sim_card.h"
#include "platform/printer_port.h"

namespace orvant {

PortIO* PortChoice::open(std::uint16_t baseAddress) {
    if (simulated_)
        port_ = std::make_unique<sim::SimControllerCard>(host_, baseAddress);
    else
        port_ = openPrinterPort(baseAddress, device_);
    return port_.get();
}

}  // namespace orvant
