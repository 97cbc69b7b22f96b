#pragma once

namespace orvant {

struct Station;

// The place where the station hands over to the tracking-program links. The DDE conversations
// with NOVA, WinTrak, WinOrbit and WISP are not part of the program yet: until they are, this
// asks nothing and changes nothing.

// Polls the tracking program of `trackerKind` for the satellite position, range rate and status.
void pollTrackingProgram(Station& station);

}  // namespace orvant
