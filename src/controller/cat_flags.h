#pragma once

#include <cstdint>

namespace orvant {

struct Station;

enum class CatRequest { Send, Capture };

// Where a CAT request goes: the radio (1 uplink, 2 downlink) and the card's serial channel (1 or
// 2); channel 0 when nothing was placed.
struct CatRoute {
    std::int16_t radio = 0;
    int channel = 0;
};

// Places, for the radio named by `catRadio`, the serial timing pair of its channel and the flag
// of the request (send: slot 57 or 59, capture: slot 56 or 58) in the controller frame. Nothing
// is placed while the radio set-up has not assigned that radio's channel codes.
CatRoute placeCatFlag(Station& station, CatRequest request);

// Clears the four CAT flags, slots 56..59.
void clearCatFlags(Station& station);

}  // namespace orvant
