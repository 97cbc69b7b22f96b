#pragma once

#include <array>
#include <cstdint>

namespace orvant {

// Controller frame slots that carry the rotator targets and drive commands.
namespace rotor_slot {
constexpr int kAzTargetHigh = 45;  // azimuth target: high byte in 45, low byte in 46
constexpr int kElTargetHigh = 47;  // elevation target: high byte in 47, low byte in 48
constexpr int kAzTolerance = 49;   // azimuth tolerance counts
constexpr int kElTolerance = 50;   // elevation tolerance counts
constexpr int kDrive = 62;         // drive command: 0 stop, 1 drive, 2 azimuth parked
constexpr int kAzInhibit = 63;     // 1 = azimuth drive off
constexpr int kElInhibit = 64;     // 1 = elevation drive off
}  // namespace rotor_slot

// The travel of a rotator axis in controller counts.
constexpr std::int16_t kTopCount = 1023;

// A position in counts taken to the nearest whole count (halves to the even neighbour), or to
// the whole count not above it; values beyond the 16-bit range saturate instead of overflowing,
// so a bearing typed without a range check can never wrap round.
std::int16_t nearestCount(double counts);
std::int16_t floorCount(double counts);

// A count limited to the travel 0..1023.
std::int16_t withinTravel(int counts);

// Places a target count in the frame as high byte (slot `highSlot`) and low byte (the next
// slot), first limited to 0..1023: the card must never be sent a position outside its travel.
void placeTarget(std::array<std::int16_t, 101>& frame, int highSlot, int counts);

}  // namespace orvant
