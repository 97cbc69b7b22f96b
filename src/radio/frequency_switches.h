#pragma once

namespace orvant {

struct Station;

// The operator's switches over the frequency stage.

// Radio tuning inhibited from the start (both inhibit labels double-clicked).
void inhibitRadiosAtStart(Station& station);

// Freeze: the double-click freezes the frequencies after one last send; the click restores.
void lbl_DopCor_DblClick(Station& station);
void lbl_DopCor_Click(Station& station);

// Beacon: the double-click tunes the downlink to the satellite's beacon (only when its file
// names one, and not again while tuned there); the click restores the downlink.
void lbl_beacon_DblClick(Station& station);
void lbl_beacon_Click(Station& station);
// Whether the downlink is on the loaded satellite's beacon.
bool beaconTuned(const Station& station);

// Inhibits: the double-click stops sending that link's frequency to its radio; the click sends
// it again from the next pass on. An FT-736R is out of CAT control while every link it serves is
// inhibited.
void Lbl_inhibit_rx_DblClick(Station& station);
void Lbl_inhibit_rx_Click(Station& station);
void lbl_inhibit_tx_DblClick(Station& station);
void lbl_inhibit_tx_Click(Station& station);

// The fine sliders' step: ten times larger, or ten times smaller, without limits.
void lbl_fine_mult_Click(Station& station);
void lbl_fine_div_Click(Station& station);

// The reset labels put their fine slider back to 0.
void ResetUP_Click(Station& station);
void ResetDown_Click(Station& station);

// The counter gate's click sends on the next pass and restarts the gate from there.
void Llb_gate_Click(Station& station);

}  // namespace orvant
