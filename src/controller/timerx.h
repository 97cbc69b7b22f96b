#pragma once

#include <cstdint>

namespace orvant {

struct Station;

// The responsive millisecond pause: arms the window timer `fixed_timer` with the interval, clears
// `delayElapsed` and pumps messages until the timer's tick (or any handler) sets it, then stops
// the timer. Every pump also checks the instance hand-off.
void timerx(Station& station, std::int64_t ms);

}  // namespace orvant
