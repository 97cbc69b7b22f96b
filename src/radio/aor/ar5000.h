#pragma once

namespace orvant {

struct Station;
struct RadioType;

// The AOR AR5000 receiver, downlink only, tuned by command lines.

// Set-up at the start of a pass. For this receiver the satellite file's downlink mode text is a
// list of up to five command lines separated by commas; each is sent as a line of its own, and
// the fourth, the mode command ("MD0" to "MD4"), gives the caption of `lbl_DnMode`. Every set-up
// sends them, the one of start-up included; a text without a comma sends nothing. A command too
// long for one CAT message (over 41 characters, 42 bytes with its carriage return) is refused
// with a message box and not sent.
void init_ar5000(Station& station, const RadioType& type);
// Tunes the receiver to `catFreq`; nothing while the downlink is inhibited or when `catFreq` is
// not a frequency of at most ten digits.
void ar5000(Station& station, const RadioType& type);
// Reads the receiver's dial and re-centres the bases on it; an answer that is not wholly a
// frequency answer is refused with a beep. With the diagnostic flag set the reply bytes are also
// shown in `Text4`.
void readback_ar5000(Station& station, const RadioType& type);

}  // namespace orvant
