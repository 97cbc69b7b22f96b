#include "tracking/target_counts.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "config/text_rules.h"

namespace orvant {

namespace {

std::int16_t saturated(double whole) {
    if (std::isnan(whole)) return 0;
    constexpr double lo = std::numeric_limits<std::int16_t>::min();
    constexpr double hi = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::clamp(whole, lo, hi));
}

}  // namespace

std::int16_t nearestCount(double counts) {
    return saturated(roundHalfEven(counts));
}

std::int16_t floorCount(double counts) {
    return saturated(std::floor(counts));
}

std::int16_t withinTravel(int counts) {
    return static_cast<std::int16_t>(std::clamp(counts, 0, static_cast<int>(kTopCount)));
}

void placeTarget(std::array<std::int16_t, 101>& slots, int highSlot, int counts) {
    const std::int16_t target = withinTravel(counts);
    slots[highSlot] = static_cast<std::int16_t>(target / 256);
    slots[highSlot + 1] = static_cast<std::int16_t>(target % 256);
}

}  // namespace orvant
