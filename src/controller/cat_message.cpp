#include "controller/cat_message.h"

#include "controller/frame_layout.h"
#include "controller/link.h"
#include "station/station.h"

namespace orvant {

namespace {

constexpr std::int16_t kCatDelayMs = 100;

void placeAndSend(Station& station, std::int16_t radio, const std::vector<std::int16_t>& slots) {
    auto& frameSlots = station.link.controllerFrame;
    int slot = frame::kCatFirst;
    for (const std::int16_t value : slots) {
        if (slot > frame::kCatLast) break;
        frameSlots[slot++] = value;
    }
    station.link.catRadio = radio;
    station.link.catSendPending = 1;
    station.link.catDelayMs = kCatDelayMs;
    laptop(station);
}

}  // namespace

void sendCatBytes(Station& station, std::int16_t radio, const std::vector<std::int16_t>& bytes,
                  int endBytes) {
    std::vector<std::int16_t> slots = bytes;
    slots.insert(slots.end(), endBytes, frame::kCatEnd);
    placeAndSend(station, radio, slots);
}

// A text command is followed by one end byte: the card relays a message up to the first end
// byte, and without it a shorter command would carry the tail of the one before it to the radio.
void sendCatText(Station& station, std::int16_t radio, const std::string& text) {
    std::vector<std::int16_t> slots;
    for (const unsigned char c : text) slots.push_back(c);
    sendCatBytes(station, radio, slots, 1);
}

}  // namespace orvant
