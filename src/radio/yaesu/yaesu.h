#pragma once

#include "radio/radio_types.h"

namespace orvant {

struct Station;
namespace yaesu {
struct ModeTable;
}

// The Yaesu transceivers that are set up with CAT on, the satellite mode where they have one and
// the mode, and tuned by one frequency block per link: FT-736R, FT-847 and FT-757. One radio in
// both positions runs in satellite mode, with commands of their own for the uplink (transmit) and
// the downlink (receive) side; alone in a position it takes the plain commands. Each routine
// serves the position of `catSide`; the frequency is `catFreq`.

// Set-ups of the served position; nothing for an FT-736R whose links are all inhibited.
void init736(Station& station, const RadioType& type);
void init847(Station& station, const RadioType& type);
// Nothing when the FT-757 fills both positions.
void init_757(Station& station, const RadioType& type);

// Tune the served position; nothing while its link is inhibited or when `catFreq` does not fit
// the model's frequency field.
void ft736(Station& station, const RadioType& type);
void FT847(Station& station, const RadioType& type);
void FT757(Station& station, const RadioType& type);

// Reads the FT-847's dial of a position (side 0 uplink, 1 downlink) and re-centres the bases on
// it; an answer that is not a frequency is refused with a beep. The radio is then told the read
// is over (00 00 00 00 88).
void readback_847(Station& station, const RadioType& type, int side);

// The mode table a Yaesu model's set-up of a position (side 0 uplink, 1 downlink) sends its mode
// from, FT-100 included; nullptr where it sends none (the FT-757 in both positions, the FT-980).
const yaesu::ModeTable* setUpModes(RadioDriver driver, int side, bool shared);

}  // namespace orvant
