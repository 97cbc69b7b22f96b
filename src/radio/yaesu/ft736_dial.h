#pragma once

namespace orvant {

struct Station;
struct RadioType;

// The FT-736R's dial in the operator's hands. The radio has no read-back: the operator types the
// dial's frequency in. While every link it serves is inhibited the radio is out of CAT control,
// so that its front panel is the operator's.

// Typed read-back of the uplink / downlink dial: both links inhibited, the prompt
// `lbl_736_freq_left` and the entry box (`txt_uplink` / `txt_736_freq`) shown until Return is
// pressed in it, the number typed taken as the dial (`adjust_read`), then both links released.
void readback_736_tx(Station& station, const RadioType& type);
void readback_736_rx(Station& station, const RadioType& type);

// Full Doppler tuning with an FT-736R downlink: the downlink dial is typed in at once; then the
// downlink slider is back at 0, both links are released and the voice prompt is shown.
void dial_736(Station& station);

// Whether the FT-736R of a position (side 0 uplink, 1 downlink) is to be out of CAT control:
// every link it serves is inhibited. One FT-736R in both positions serves both links; false for
// a position that holds another radio.
bool ft736OutOfCat(const Station& station, int side);
// CAT off (00 00 00 00 80) to the FT-736R of a position; nothing for another radio.
void yaesu_exit(Station& station, int side);
// The FT-736R of a position is set up again (`init736`); nothing for another radio.
void resume736(Station& station, int side);

// Whether a position (side 0 uplink, 1 downlink) holds an FT-736R.
bool holdsFt736(const Station& station, int side);

}  // namespace orvant
