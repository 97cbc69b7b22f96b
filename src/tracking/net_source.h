#pragma once

#include <cstdint>
#include <string>

namespace orvant {

struct Station;

// A network client that sends no position for this long has lost the satellite: parking runs as
// after the end of a pass.
constexpr std::int64_t kNetPositionLossMs = 30000;

// The readout of the clients' servers, shown while the program serves any.
inline constexpr const char* kNetSourceLabel = "lbl_net_source";

// Declares the readout of the servers when the program serves clients.
void declareNetSourceControl(Station& station);

// Serves the rotator clients of --rotctld and the radio clients of --rigctld once, without
// waiting: each line they sent is answered and what it asks is carried out. A position enters the
// loop as a tracking program's does; frequencies reach the radios as a tracking program's do.
void serveNetClients(Station& station);

// What the program serves, "rotctld 127.0.0.1:4533, 1 client"; both servers separated by "; ",
// empty when it serves none.
std::string netSourceText(const Station& station);

}  // namespace orvant
