#pragma once

#include <cstdint>

namespace orvant {

struct Station;

// A network client that sends no position for this long has lost the satellite: parking runs as
// after the end of a pass.
constexpr std::int64_t kNetPositionLossMs = 30000;

// Serves the rotator clients of --rotctld once, without waiting: each line they sent is answered
// and what it asks is carried out; a position enters the loop as a tracking program's does.
void serveNetClients(Station& station);

}  // namespace orvant
