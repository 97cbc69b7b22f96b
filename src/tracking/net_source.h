#pragma once

#include <cstdint>
#include <string>

namespace orvant {

struct Station;

// Rotator clients that say nothing for this long, or that have all hung up for this long, have
// lost the satellite: a pass underway ends, and parking runs as after any pass.
constexpr std::int64_t kNetSilenceMs = 30000;
constexpr std::int64_t kNetHangUpMs = 5000;

// The readout of the clients' servers, shown while the program serves any.
inline constexpr const char* kNetSourceLabel = "lbl_net_source";

// Declares the readout of the servers when the program serves clients.
void declareNetSourceControl(Station& station);

// A client's line is answered within this time, wherever the program waits.
constexpr std::int64_t kNetAnswerWithinMs = 40;

// Answers the rotator clients of --rotctld and the radio clients of --rigctld once, without
// waiting: each line they sent is answered at once. A radio client's frequency or mode becomes
// the station's at once (the client reads it back); a rotator client's position waits for the
// loop. It talks to no radio, so it may run inside any wait.
void answerNetClients(Station& station);
// From now on the clients are answered in every wait of the program as well (start-up's radio
// set-up, an exchange with the card), within `kNetAnswerWithinMs`.
void answerNetClientsInWaits(Station& station);
// The loop's service, once a pass, where a tracking program's poll enters it: the clients
// answered; their positions taken in order, each as a tracking program's would be (one at or
// below the minimum elevation is the satellite below the horizon, and the antennas wait there);
// a pass ended when the clients have lost the satellite; then what the radio clients ask of the
// radios carried out (a moved uplink sent, the radios set up in a new mode).
void serveNetClients(Station& station);

// What the program serves, "rotctld 127.0.0.1:4533, 1 client"; both servers separated by "; ",
// empty when it serves none.
std::string netSourceText(const Station& station);

}  // namespace orvant
