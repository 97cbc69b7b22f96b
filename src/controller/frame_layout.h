#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace orvant {

// Layout of the controller frame (slots 1..66 are sent, each as its low 8 bits) and of the
// controller's reply (nibbles 1..150).
namespace frame {
constexpr int kFirstSent = 1;
constexpr int kLastSent = 66;
constexpr int kLastDumped = 65;
constexpr int kCatFirst = 2;  // CAT message, first byte
constexpr int kCatLast = 44;
constexpr std::int16_t kCatEnd = 240;  // end byte of a byte message, idle filler
constexpr int kAzTargetHigh = 45;
constexpr int kAzTargetLow = 46;
constexpr int kElTargetHigh = 47;
constexpr int kElTargetLow = 48;
constexpr int kAzTolerance = 49;
constexpr int kElTolerance = 50;
constexpr int kExtPort = 51;
constexpr int kTimingFirst = 52;    // 52, 53: timing pair of the channel used
constexpr int kTimingDownCh2 = 54;  // 54, 55: downlink radio's channel-2 pair
constexpr int kCaptureCh1 = 56;
constexpr int kSendCh1 = 57;
constexpr int kCaptureCh2 = 58;
constexpr int kSendCh2 = 59;
constexpr int kRadioModel = 60;  // per-model value of the radio set-up, for the card's firmware
constexpr int kProtocolValue = 61;
constexpr std::int16_t kProtocolValueSent = 10;
constexpr int kDrive = 62;
constexpr int kAzInhibit = 63;
constexpr int kElInhibit = 64;
}  // namespace frame

namespace reply {
constexpr int kNibbles = 150;
constexpr int kBytes = 64;        // reply bytes 1..64 (nibbles 2..129)
constexpr int kCheckNibble = 96;  // high nibble of reply byte 48
constexpr std::int16_t kCheckGood = 8;
constexpr int kAnswerBytes = 47;  // reply bytes 1..47 can carry a radio answer
constexpr int kAzFirstNibble = 131;
constexpr int kElFirstNibble = 135;
constexpr int kMaxCount = 1023;
}  // namespace reply

// The bytes that leave the PC: index i holds the low 8 bits of frame slot i (index 0 unused).
using SentBytes = std::array<std::uint8_t, frame::kLastSent + 1>;
SentBytes sentBytesOf(const std::array<std::int16_t, 101>& controllerFrame);

// The CAT message the card relays from a frame: the bytes from slot 2 up to (not including) the
// first end byte 240, or through slot 44 when there is none.
std::vector<std::uint8_t> catMessageOf(const SentBytes& sent);

// CAT channel (1 or 2) whose flag sits in a frame slot (56/57 channel 1, 58/59 channel 2), or 0.
int catChannelOfSlot(int slot);

// Reply byte k (1..64) = 16 x nibble 2k + nibble 2k+1.
int replyByte(const std::array<std::int16_t, 181>& nibbles, int k);
// A 12-bit count from three reply nibbles, most significant first, limited to 1023.
std::int16_t countAt(const std::array<std::int16_t, 181>& nibbles, int firstNibble);

}  // namespace orvant
