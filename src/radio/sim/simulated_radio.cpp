#include "radio/sim/simulated_radio.h"

namespace orvant::sim {

// A silent radio hears nothing and answers nothing.
std::vector<std::uint8_t> SimulatedRadio::receive(const std::vector<std::uint8_t>& message) {
    if (silent_) return {};
    ++messagesReceived_;
    return commands_->apply(message, dial_);
}

}  // namespace orvant::sim
