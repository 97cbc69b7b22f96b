#pragma once

namespace orvant {

class Display;
struct Station;

// The links to the outside tracking programs. Each poll asks its program for the current text
// once and leaves its verdict in `trackerStatus`: "SN" in front for a fresh position, "NO" at
// characters 4 and 5 for a satellite below the horizon.

// NOVA: pokes "TUNE ON" once and closes the conversation; no NOVA to poke ends the program.
void send_dde_Click(Station& station);
// NOVA: one poll; also pre-positions the antennas while the satellite rises toward the horizon.
void lbl_Nova_dde_Click(Station& station);
void lbl_wintrak_dde_Click(Station& station);
void lbl_orbitdde_Click(Station& station);
void lbl_DDEGet_DblClick(Station& station);
// The poll of the tracking program of `trackerKind`, made every so many loop passes.
void pollTrackingProgram(Station& station);

// The hidden link controls, the orbit-phase label and their handlers.
void declareLinkControls(Display& display);
void bindLinkHandlers(Station& station);

}  // namespace orvant
