#pragma once

#include <array>
#include <cstdint>

namespace orvant {

// State of the printer-port link to the controller card and of the controller's own functions.
struct LinkState {
    // The controller frame: slots 1..66 are sent, each as its low 8 bits.
    std::array<std::int16_t, 101> controllerFrame{};
    // The controller's last reply: slots 1..150 hold nibbles 0..15.
    std::array<std::int16_t, 181> replyNibbles{};

    // CAT request fields, set by a radio driver just before it calls `laptop`.
    std::int16_t catSendPending = 0;
    std::int16_t catReadPending = 0;
    std::int16_t catRadio = 0;  // 1 uplink radio, 2 downlink radio
    std::int16_t catDelayMs = 0;
    // Per radio, the frame slot of its CAT channel's flag: send 57/59, read 56/58.
    std::int16_t radio1SendCode = 0;
    std::int16_t radio1ReadCode = 0;
    std::int16_t radio2SendCode = 0;
    std::int16_t radio2ReadCode = 0;

    // Positions decoded from the last reply, 0..1023, and the program time of that read.
    std::int16_t azCounts = 0;
    std::int16_t elCounts = 0;
    std::int64_t lastReadMs = 0;

    // Failure bookkeeping.
    std::int16_t readyPollCount = 0;  // polls of the present read's ready wait
    std::int16_t badReadCount = 0;
    std::int16_t badReadLimit = 10;
    bool catcontrolUsed = false;
    std::int16_t badAdsCount = 0;
    std::int16_t retryNesting =
        0;  // re-sends after a failed check now under way, one inside another

    std::int16_t portMode = 0;  // 1 when the data register's bit 5 read set at the probe
    bool delayElapsed = false;  // set by the window timer's tick; ends a `timerx` pause
    bool diagnostic = false;    // set by the UTC box; radio readbacks then show the dump

    std::int16_t extPortValue = 0;    // wanted external control-port value
    std::int16_t extPortApplied = 0;  // value last shown and placed in the frame
};

}  // namespace orvant
