#pragma once

#include <optional>
#include <vector>

#include "station/orbit_state.h"

namespace orvant {

// Instants of the pass search: whole seconds from 2000 January 0, 0h UTC.
using UtcSecond = long long;

// One pass of a satellite over the station, to the second: in view (at or above the minimum
// elevation) from the rise, the first second in view, up to the set, the first second out of view
// again. A pass already under way a day before the search began has no rise; one still under way
// a day after it ended has no set.
struct Pass {
    std::optional<UtcSecond> rise;
    std::optional<UtcSecond> set;
    double riseAzimuthDeg = 0;
    double setAzimuthDeg = 0;
    UtcSecond top = 0;  // the second of the highest elevation
    double topElevationDeg = 0;
};

// The passes by the orbit model that points (`orbit`) that are in view at some second from
// `from` up to `to`, in time order. The elevation is sampled every 30 seconds; each rise and set
// between two samples is then found by bisection, and so is a pass that peaks between samples.
std::vector<Pass> findPasses(const OrbitState& orbit, double minElevationDeg, UtcSecond from,
                             UtcSecond to);

}  // namespace orvant
