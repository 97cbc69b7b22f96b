#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "controller/sim/sim_radio.h"
#include "platform/host.h"
#include "platform/port_failure.h"
#include "platform/port_io.h"

namespace orvant {

// Opens the controller card's port the way the program was asked to: the simulated card, a card
// of the program's own making (the PC's own), an explicit parallel-port device, or the port whose
// base address the configuration names. Owns what it opened for the life of the program.
class PortChoice {
  public:
    PortChoice(Host& host, bool simulated, std::string device)
        : host_(host), simulated_(simulated), device_(std::move(device)) {}

    // nullptr when no driver can be opened; `tries` then says what was tried and why it failed.
    PortIO* open(std::uint16_t baseAddress);
    const PortTries& tries() const { return tries_; }
    // Lets go of the port opened (another program may claim it now).
    void release() { port_.reset(); }
    // The radios on the simulated card's two serial channels, attached whenever it is opened.
    void attachSimRadios(sim::SimRadio* channel1, sim::SimRadio* channel2);
    // Puts the card that `make` builds for the port's base address behind the port.
    void useCard(std::function<std::unique_ptr<PortIO>(std::uint16_t baseAddress)> make) {
        makeCard_ = std::move(make);
    }

  private:
    Host& host_;
    bool simulated_;
    std::string device_;
    std::unique_ptr<PortIO> port_;
    PortTries tries_;
    sim::SimRadio* simRadios_[2] = {nullptr, nullptr};
    std::function<std::unique_ptr<PortIO>(std::uint16_t)> makeCard_;
};

}  // namespace orvant
