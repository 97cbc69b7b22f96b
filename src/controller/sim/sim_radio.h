#pragma once

#include <cstdint>
#include <vector>

namespace orvant::sim {

// A radio on one of the simulated card's serial channels. It receives each CAT message the card
// relays on that channel and returns its answer (empty when it has none).
class SimRadio {
  public:
    virtual ~SimRadio() = default;
    virtual std::vector<std::uint8_t> receive(const std::vector<std::uint8_t>& message) = 0;
};

}  // namespace orvant::sim
