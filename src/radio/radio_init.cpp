#include "radio/radio_init.h"

#include <string>

#include "controller/frame_layout.h"
#include "radio/kenwood/ts2000.h"
#include "radio/radio_drivers.h"
#include "station/station.h"

namespace orvant {

namespace {

// Downlink frequency a TS-2000 in satellite mode is parked on once both VFOs are set up.
constexpr const char* kTs2000SetUpHz = "29200000";

// A CAT port selector of 2 puts the radio on the card's channel 2, anything else on channel 1.
void assignCatChannels(Station& station) {
    LinkState& link = station.link;
    const bool up2 = station.sat.uplinkCatPort == 2;
    const bool down2 = station.sat.downlinkCatPort == 2;
    link.radio1SendCode = up2 ? frame::kSendCh2 : frame::kSendCh1;
    link.radio1ReadCode = up2 ? frame::kCaptureCh2 : frame::kCaptureCh1;
    link.radio2SendCode = down2 ? frame::kSendCh2 : frame::kSendCh1;
    link.radio2ReadCode = down2 ? frame::kCaptureCh2 : frame::kCaptureCh1;
}

// What the rest of the program keeps of a position; a position without a radio keeps nothing
// of the satellite before.
void recordPosition(Station& station, int side, const RadioType* type) {
    RadioState& radio = station.radio;
    const RadioPosition* position = type ? &type->position(side) : nullptr;
    (side == 0 ? radio.uplinkRadioName : radio.downlinkRadioName) = position ? position->name : "";
    (side == 0 ? radio.uplinkFamily : radio.downlinkFamily) =
        position ? position->shutdownClass : 0;
    (side == 0 ? radio.uplinkCivAddress : radio.downlinkCivAddress) = type ? type->civAddress : 0;
}

void setUpPosition(Station& station, int side) {
    const RadioType* type = radioTypeAt(station.sat, side);
    recordPosition(station, side, type);
    if (!type) return;
    const std::int16_t slot60 = type->position(side).slot60;
    if (slot60 != 0) station.link.controllerFrame[frame::kRadioModel] = slot60;
    station.radio.catSide = static_cast<std::int16_t>(side);
    if (const RadioDrivers* drivers = driversOf(type->driver)) drivers->init(station, *type);
}

// One TS-2000 in satellite mode: its receive VFO starts from a fixed frequency.
void settleTs2000SatelliteMode(Station& station) {
    station.radio.catSide = 1;
    station.radio.catFreq = kTs2000SetUpHz;
    Ken_2000(station, *radioTypeAt(station.sat, 1));
}

void showRadioCaptions(Station& station) {
    const SatelliteRecord& sat = station.sat;
    station.display.setCaption("lbl_radio_up", station.radio.uplinkRadioName + "(" +
                                                   std::to_string(sat.uplinkCatPort) + ")");
    station.display.setCaption("lbl_radio_dn", station.radio.downlinkRadioName + "(" +
                                                   std::to_string(sat.downlinkCatPort) + ")");
}

}  // namespace

void radioinit(Station& station) {
    assignCatChannels(station);
    setUpPosition(station, 0);
    setUpPosition(station, 1);
    if (ts2000BothPositions(station.sat)) settleTs2000SatelliteMode(station);
    showRadioCaptions(station);
    // Freshly set-up radios get their frequencies on the next two passes of the frequency stage,
    // and the counter gate counts from there.
    station.radio.setUp = true;
    station.freq.startPasses = 0;
}

}  // namespace orvant
