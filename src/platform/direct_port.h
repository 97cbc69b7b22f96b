#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/port_io.h"

namespace orvant {

// A printer port reached by direct x86 port I/O at its three register addresses (other
// addresses read 0xFF and ignore writes: access to them was never granted). Needs the right
// to access ports (root, or the raw-I/O capability); not available on other processors.
class DirectPort : public PortIO {
  public:
    // nullptr when port access is not granted or not possible on this processor; then `why`
    // (when given) says why.
    static std::unique_ptr<DirectPort> open(std::uint16_t base, std::string* why = nullptr);

    std::uint8_t read(std::uint16_t address) override;
    void write(std::uint16_t address, std::uint8_t value) override;
    void holdLines(int microseconds) override;

  private:
    explicit DirectPort(std::uint16_t base) : base_(base) {}
    bool isRegister(std::uint16_t address) const { return address >= base_ && address - base_ < 3; }
    std::uint16_t base_;
};

}  // namespace orvant
