#pragma once

#include <cstdint>

namespace orvant::port {

// The printer-port lines as the controller protocol uses them. Both ends of the link (the PC side
// and the simulated card) read their meaning from here.

// Data register.
constexpr std::uint8_t kSendMarker = 0x80;  // first byte of a frame being sent
constexpr std::uint8_t kReadMarker = 0x40;  // read request
constexpr std::uint8_t kTransfer = 0xC0;    // every later byte of an exchange
constexpr std::uint8_t kMarkerBits = 0xC0;
constexpr std::uint8_t kAuxLine = 0x20;  // never changed by an exchange

// Control register.
constexpr std::uint8_t kControlIdle = 0x04;        // STROBE released, INIT high
constexpr std::uint8_t kControlStrobe = 0x05;      // STROBE asserted
constexpr std::uint8_t kControlEndOfFrame = 0x0C;  // SELECT IN asserted
constexpr std::uint8_t kControlResetPulse = 0x01;  // STROBE asserted, INIT low
constexpr std::uint8_t kStrobeBit = 0x01;
constexpr std::uint8_t kInitBit = 0x04;
constexpr std::uint8_t kSelectInBit = 0x08;

// Status register.
constexpr std::uint8_t kReady = 0x80;        // BUSY as the port presents it: 1 = ready
constexpr std::uint8_t kNibbleLines = 0x78;  // ACK, PAPER END, SELECT, ERROR

// Data lines carrying a nibble: bits 0, 1 and 3 on D0, D1 and D3; bit 2 travels on D4.
constexpr std::uint8_t dataLinesFor(int nibble) {
    return static_cast<std::uint8_t>((nibble & 0x0B) | ((nibble & 0x04) << 2));
}
constexpr int nibbleOnDataLines(std::uint8_t data) {
    return (data & 0x0B) | ((data & 0x10) >> 2);
}

// Status lines carrying a reply nibble.
constexpr int nibbleOnStatus(std::uint8_t status) {
    return (status & kNibbleLines) >> 3;
}
constexpr std::uint8_t statusLinesFor(int nibble) {
    return static_cast<std::uint8_t>((nibble & 0x0F) << 3);
}
constexpr bool isReady(std::uint8_t status) {
    return (status & kReady) != 0;
}

}  // namespace orvant::port
