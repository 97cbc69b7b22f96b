#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvant {

struct SatelliteRecord;

// The modes as Hamlib's radio clients name them ("USB", "CWR", "PKTUSB") and the satellite
// file's mode texts that carry them to a link's radio (side 0 uplink, 1 downlink).

// The client's modes that the link's radio can be set up in.
std::vector<std::string> clientModesOfLink(const SatelliteRecord& sat, int side);
// The file's text that sets a client's mode on the link: the first of the mode's forms the
// radio takes (CWR is "CW-R", else CW; PKTUSB the data mode "DIG", else USB); empty when the
// radio takes none.
std::string linkModeText(const SatelliteRecord& sat, int side, std::string_view clientMode);
// The client's name of the mode a link is set up in; FM for a text no client mode is near.
std::string clientModeOfLink(const SatelliteRecord& sat, int side);

}  // namespace orvant
