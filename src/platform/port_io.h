#pragma once

#include <cstdint>

namespace orvant {

// Single-byte access to the printer-port registers (data, status, control) at their I/O
// addresses. Port addresses are unsigned: cards on PCI sit above 0x8000.
class PortIO {
  public:
    virtual ~PortIO() = default;
    virtual std::uint8_t read(std::uint16_t address) = 0;
    virtual void write(std::uint16_t address, std::uint8_t value) = 0;
};

}  // namespace orvant
