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
    // Leaves the lines as they are for about this many microseconds, so that the card sees a
    // marker byte before the next one replaces it. A port on real hardware waits; a simulated
    // card reacts to every access at once and needs no time.
    virtual void holdLines(int /*microseconds*/) {}
    // Whether the card needs the link's pause after a frame to act on it (relay its CAT message,
    // capture the radio's answer, set its motors going) before it is read. A card that does all
    // of that while it takes the frame needs none.
    virtual bool needsPauseAfterFrame() const { return true; }
};

}  // namespace orvant
