#pragma once

namespace orvant {

struct Station;

// The places where start-up and the polling loop talk to an outside tracking program (NOVA,
// WinTrak, WinOrbit, WISP). The tracking-program links are not part of the program yet: until
// they are, these exchange nothing and change nothing, so `trackerStatus` stays as it was.

// NOVA: opens the conversation.
void send_dde_Click(Station& station);
// NOVA: one request for fresh data.
void lbl_Nova_dde_Click(Station& station);
// The poll of the tracking program of `trackerKind`, made every so many loop passes.
void pollTrackingProgram(Station& station);

}  // namespace orvant
