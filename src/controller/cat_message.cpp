#include "controller/cat_message.h"

#include <algorithm>

#include "controller/frame_layout.h"
#include "controller/link.h"
#include "platform/trace.h"
#include "station/station.h"

namespace orvant {

namespace {

std::vector<std::int16_t> textSlots(const std::string& text) {
    std::vector<std::int16_t> slots;
    for (const unsigned char c : text) slots.push_back(c);
    return slots;
}

// The message area holds only this message: the filler 240 behind it, so that nothing of an
// earlier, longer message reaches the radio.
void placeMessage(Station& station, std::int16_t radio, const std::vector<std::int16_t>& slots,
                  std::int16_t delayMs = kCatDelayMs) {
    auto& frameSlots = station.link.controllerFrame;
    for (int slot = frame::kCatFirst; slot <= frame::kCatLast; ++slot)
        frameSlots[slot] = frame::kCatEnd;
    int slot = frame::kCatFirst;
    for (const std::int16_t value : slots) {
        if (slot > frame::kCatLast) break;
        frameSlots[slot++] = value;
    }
    station.link.catRadio = radio;
    station.link.catDelayMs = delayMs;
}

// The card ends a message at its first 240, so a message whose data holds one would reach the radio
// cut short, as a different command. Such a message is refused instead: one beep for the operator,
// a trace event naming it, and nothing goes to the card.
bool refusedForEndByte(Station& station, std::int16_t radio,
                       const std::vector<std::int16_t>& data) {
    std::vector<int> sent;
    for (const std::int16_t value : data) sent.push_back(value & 0xFF);
    if (std::find(sent.begin(), sent.end(), frame::kCatEnd) == sent.end()) return false;
    station.platform.alerts.beep();
    station.platform.trace.event("cat_refused",
                                 {{"radio", static_cast<std::int64_t>(radio)}, {"bytes", sent}});
    return true;
}

}  // namespace

void sendCatBytes(Station& station, std::int16_t radio, const std::vector<std::int16_t>& bytes,
                  int endBytes, std::int16_t delayMs) {
    if (refusedForEndByte(station, radio, bytes)) return;
    std::vector<std::int16_t> slots = bytes;
    slots.insert(slots.end(), endBytes, frame::kCatEnd);
    placeMessage(station, radio, slots, delayMs);
    station.link.catSendPending = 1;
    laptop(station);
}

void sendCatText(Station& station, std::int16_t radio, const std::string& text) {
    sendCatBytes(station, radio, textSlots(text), 1);
}

std::vector<std::uint8_t> queryCatText(Station& station, std::int16_t radio,
                                       const std::string& text) {
    return queryCatBytes(station, radio, textSlots(text));
}

std::vector<std::uint8_t> queryCatBytes(Station& station, std::int16_t radio,
                                        const std::vector<std::int16_t>& bytes) {
    if (refusedForEndByte(station, radio, bytes)) return {};
    placeMessage(station, radio, bytes);
    station.link.catReadPending = 1;
    laptop(station);
    lapin(station);
    std::vector<std::uint8_t> answer;
    for (int k = 1; k <= reply::kAnswerBytes; ++k)
        answer.push_back(static_cast<std::uint8_t>(replyByte(station.link.replyNibbles, k)));
    return answer;
}

}  // namespace orvant
