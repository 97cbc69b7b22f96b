#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "controller/frame_layout.h"
#include "controller/port_lines.h"

namespace orvant {

// The nibble-wide transfers of the controller link, in both directions, with their handshakes.
// Neither ever pumps messages. A controller that stops answering in the middle of a transfer is
// given up on after a bounded number of polls, so it can never hold the program.

// Status polls (send) or three-read samples (read) allowed for one nibble's handshake.
constexpr int kHandshakePollLimit = 10000;
// Polls of the ready wait before a read; each read has the whole budget.
constexpr int kReadyPollBudget = 1000;

enum class SendOutcome { Sent, Busy, Abandoned };

struct SendResult {
    SendOutcome outcome = SendOutcome::Busy;
    int nibblesSent = 0;
};

// Sends frame slots 1..66 as 132 nibbles, high nibble first, after the send marker. A controller
// busy at the start gets nothing; one that stops answering mid-frame is abandoned. Either way the
// strobe is left released.
SendResult sendFrame(PortLines& lines, std::uint8_t aux, const SentBytes& bytes);

// Waits for the controller to be ready for a read, one poll at a time, counting this read's polls
// in `readyPollCount` (from 0). When the count passes the budget it goes back to 0 and the wait
// gives up.
bool awaitReadyForRead(PortLines& lines, std::int16_t& readyPollCount);

// Requests and reads the 150 reply nibbles. Empty when the controller stopped answering before the
// last nibble; the strobe is then left released.
using ReplyNibbles = std::array<std::int16_t, 181>;
std::optional<ReplyNibbles> readReply(PortLines& lines, std::uint8_t aux);

}  // namespace orvant
