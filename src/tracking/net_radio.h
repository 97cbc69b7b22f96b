#pragma once

#include <string>

#include "links/net_commands.h"

namespace orvant {

struct Station;

// The radio clients' side: a line answered from the radios of the loaded satellite, and what it
// asks carried out. The frequencies a client sets are at the satellite, already corrected for
// Doppler: they become the base frequencies that the frequency stage hands to the radios.
NetAnswer answerRadioClient(const Station& station, int client, const std::string& line);
void carryOutRadioRequest(Station& station, int client, const NetRequest& request);

// The counter gate watches the downlink only. Once the clients' lines of a pass are served, an
// uplink they set that lies more than the gate's threshold from what the uplink radio has is
// sent on the next pass, so that a client retuning the uplink alone is not left waiting for the
// downlink to drift.
void sendWhenClientsUplinkMoved(Station& station);

// A mode a client changed reaches its radio as at the start of a pass: the radios are set up
// again, and the frequencies sent again on the next pass, since a set-up may move a dial (the
// TS-2000's satellite mode starts its receive VFO afresh). Once a change, not every pass.
void setUpWhenClientsModeChanged(Station& station);

}  // namespace orvant
