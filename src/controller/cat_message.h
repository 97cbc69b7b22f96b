#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvant {

struct Station;

// Sending one CAT message to a radio through the controller card. The message is placed in the
// controller frame from slot 2, the CAT request fields are set (`catRadio` = the radio, 1 uplink
// or 2 downlink; `catSendPending` = 1; `catDelayMs` = 100) and `laptop` sends the frame. A
// message never reaches past slot 44, so the rotator slots that follow stay as they are.

// A byte message, followed by `endBytes` end bytes 240.
void sendCatBytes(Station& station, std::int16_t radio, const std::vector<std::int16_t>& bytes,
                  int endBytes = 1);
// A text command, one character code per slot, followed by one end byte.
void sendCatText(Station& station, std::int16_t radio, const std::string& text);

}  // namespace orvant
