#pragma once

#include <array>
#include <cstdint>

namespace orvant {

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
void placeTarget(std::array<std::int16_t, 101>& slots, int highSlot, int counts);

}  // namespace orvant
