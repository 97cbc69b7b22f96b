#pragma once

#include <cstdint>

namespace orvant {

// What the rest of the program needs to know about the radios.
struct RadioState {
    // Shutdown families of the uplink (link 1) and downlink (link 2) radios: 1 five-byte
    // commands, 2 CI-V to the radio's own address, 3 text commands, 4 CI-V to address 74.
    std::int16_t uplinkFamily = 0;
    std::int16_t downlinkFamily = 0;
    std::int16_t uplinkCivAddress = 0;
    std::int16_t downlinkCivAddress = 0;
    std::int16_t catSide = 0;  // 1 when the radio served last was the downlink radio
    bool rxInhibit = false;
    bool txInhibit = false;
};

}  // namespace orvant
