#pragma once

#include <cstdint>

#include "station/tracking_state.h"

namespace orvant {

// The tracking program that supplies satellites (`TrackingState::trackerKind`).
namespace tracker {
constexpr std::int16_t kNone = 0;
constexpr std::int16_t kWisp = 1;
constexpr std::int16_t kNova = 2;
constexpr std::int16_t kWinOrbit = 3;
constexpr std::int16_t kWinTrak = 4;
constexpr std::int16_t kNet = 5;  // rotator clients over the network (--rotctld)
}  // namespace tracker

// WISP and NOVA steer the bearings themselves: flip mode and manual entry stay off under them.
inline bool underWispOrNova(const TrackingState& track) {
    return track.trackerKind == tracker::kWisp || track.trackerKind == tracker::kNova;
}

}  // namespace orvant
