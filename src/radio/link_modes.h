#pragma once

#include <string>
#include <string_view>

namespace orvant {

struct SatelliteRecord;

// The mode each link's radio is set up in, as the satellite file writes it ("USB", "CW-R",
// "FMN"), and the modes it could be set up in instead. Side 0 is the uplink, 1 the downlink.

// Whether the set-up of the link's radio has a mode of its own for the text (not only the
// nearest one or its model's fallback). A link without a radio, or whose set-up sends no mode,
// takes none.
bool linkTakesMode(const SatelliteRecord& sat, int side, std::string_view text);
// The mode the link's set-up sends: the file's text, or the AR5000's mode command.
std::string linkMode(const SatelliteRecord& sat, int side);
// Makes the link's next set-up send a mode it takes.
void setLinkMode(SatelliteRecord& sat, int side, std::string_view text);

}  // namespace orvant
