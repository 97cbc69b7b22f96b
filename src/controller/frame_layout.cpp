#include "controller/frame_layout.h"

#include <algorithm>

namespace orvant {

SentBytes sentBytesOf(const std::array<std::int16_t, 101>& controllerFrame) {
    SentBytes sent{};
    for (int slot = frame::kFirstSent; slot <= frame::kLastSent; ++slot)
        sent[slot] = static_cast<std::uint8_t>(controllerFrame[slot] & 0xFF);
    return sent;
}

std::vector<std::uint8_t> catMessageOf(const SentBytes& sent) {
    std::vector<std::uint8_t> message;
    for (int slot = frame::kCatFirst; slot <= frame::kCatLast; ++slot) {
        if (sent[slot] == frame::kCatEnd) break;
        message.push_back(sent[slot]);
    }
    return message;
}

int catChannelOfSlot(int slot) {
    switch (slot) {
        case frame::kCaptureCh1:
        case frame::kSendCh1:
            return 1;
        case frame::kCaptureCh2:
        case frame::kSendCh2:
            return 2;
        default:
            return 0;
    }
}

int replyByte(const std::array<std::int16_t, 181>& nibbles, int k) {
    return 16 * nibbles[2 * k] + nibbles[2 * k + 1];
}

std::int16_t countAt(const std::array<std::int16_t, 181>& nibbles, int firstNibble) {
    const int count =
        256 * nibbles[firstNibble] + 16 * nibbles[firstNibble + 1] + nibbles[firstNibble + 2];
    return static_cast<std::int16_t>(std::min(count, reply::kMaxCount));
}

}  // namespace orvant
