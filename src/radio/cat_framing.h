#pragma once

#include "config/satellite_record.h"
#include "controller/pc/pc_card.h"
#include "platform/serial_line.h"
#include "radio/radio_types.h"

namespace orvant {

// The framing a radio family's CAT port expects, from the makers' manuals: eight data bits and
// no parity everywhere; two stop bits for the Yaesu five-byte radios and the older Kenwoods
// (TS-790, TS-440S, TS-680S, TS-711, TS-811), one for the TS-2000, Icom's CI-V and the AR5000.
LineFraming catFramingOf(RadioDriver driver);

// The framing of each CAT channel of the card of the PC's own, for the radios of the loaded
// satellite that the channel carries (the positions whose CAT port selector names it). Two
// radios on one channel that differ get two stop bits: a receiver that wants one takes two.
class SatelliteCatFramings : public pc::ChannelFramings {
  public:
    explicit SatelliteCatFramings(const SatelliteRecord& sat) : sat_(sat) {}
    LineFraming framingOf(int channel) const override;

  private:
    const SatelliteRecord& sat_;
};

}  // namespace orvant
