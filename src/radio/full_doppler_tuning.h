#pragma once

namespace orvant {

struct Station;

// Full Doppler tuning on a linear transponder: the operator finds the QSO on the downlink dial
// with both radios left alone, the program reads the dial and re-centres both bases on it, and
// from then on the uplink follows while the downlink slider trims the voice.

// Starts it: both links inhibited, the prompt to tune the dial shown.
void lbl_fdt_DblClick(Station& station);
// Reads the tuned downlink dial and re-centres the bases; both links are sent again.
void lbl_get_dnfreq_DblClick(Station& station);
// Ends it: both links sent again, the usual controls back.
void lbl_fdt_Click(Station& station);
// Reads the downlink dial, as the downlink read-back does.
void lbl_fdt_read_DblClick(Station& station);

}  // namespace orvant
