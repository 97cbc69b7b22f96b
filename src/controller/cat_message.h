#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvant {

struct Station;

// Sending one CAT message to a radio through the controller card. Slots 2..44 are first filled
// with the idle filler 240, the message is placed from slot 2, the CAT request fields are set
// (`catRadio` = the radio, 1 uplink or 2 downlink; `catSendPending` = 1; `catDelayMs` = 100) and
// `laptop` sends the frame; `laptop` clears the request fields again. A message never reaches
// past slot 44, so the rotator slots that follow stay as they are.
//
// A message whose data holds the byte 240 is refused: the card would end it there and the radio
// would get only its first part. The refusal beeps, is traced ("cat_refused") and sends nothing;
// a refused query has no answer (an empty one).

// The card's wait before it relays a message, unless a radio needs a longer one.
constexpr std::int16_t kCatDelayMs = 100;

// A byte message, followed by `endBytes` end bytes 240, relayed after `delayMs`.
void sendCatBytes(Station& station, std::int16_t radio, const std::vector<std::int16_t>& bytes,
                  int endBytes = 1, std::int16_t delayMs = kCatDelayMs);
// A text command, one character code per slot, followed by one end byte.
void sendCatText(Station& station, std::int16_t radio, const std::string& text);

// Asks a radio: the query text goes out with the capture flag (`catReadPending` = 1), so the card
// keeps the radio's answer, and the controller is read once more to collect it. Returns reply
// bytes 1..47, where the card places the answer.
std::vector<std::uint8_t> queryCatText(Station& station, std::int16_t radio,
                                       const std::string& text);
// The same for a byte query.
std::vector<std::uint8_t> queryCatBytes(Station& station, std::int16_t radio,
                                        const std::vector<std::int16_t>& bytes);

}  // namespace orvant
