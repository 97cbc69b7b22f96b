#include "radio/icom/icom_receivers.h"

#include <cmath>

#include "controller/timerx.h"
#include "radio/icom/civ.h"
#include "radio/icom/civ_send.h"
#include "radio/icom/icom_modes.h"
#include "radio/radio_drivers.h"
#include "station/station.h"

namespace orvant {

namespace {

// A transponder this narrow is worked simplex: uplink and downlink in the same band.
constexpr double kSimplexSpanMHz = 10;
// The older receivers need a longer wait before each message.
constexpr std::int16_t kSlowReceiverDelayMs = 150;

void showSimplexWhenNarrow(Station& station) {
    if (std::abs(station.sat.downlinkMHz - station.sat.uplinkMHz) > kSimplexSpanMHz) return;
    station.display.setCaption("lbl_simplex", "Split Mode (Simplex)");
    station.display.show("lbl_simplex");
}

void setMode(Station& station, const RadioType& type, const std::vector<std::int16_t>& data,
             std::int16_t delayMs) {
    sendCiv(station, servedRadio(station), type.civAddress, civ::kSetMode, data, delayMs);
}

}  // namespace

void init8500(Station& station, const RadioType& type) {
    // Serving both positions, the receiver is set up once, from the uplink's mode.
    if (sameRadioBothPositions(station.sat) && station.radio.catSide == 1) return;
    showSimplexWhenNarrow(station);
    const icom::ModeBytes mode = icom::r8500Mode(servedMode(station));
    timerx(station, kCatDelayMs);
    setMode(station, type, {mode.mode, mode.filter}, kCatDelayMs);
}

void R8500(Station& station, const RadioType& type) {
    if (const auto data = servedFrequencyData(station))
        sendCiv(station, servedRadio(station), type.civAddress, civ::kSetFrequency, *data);
}

void Init_R7000(Station& station, const RadioType& type) {
    const icom::ModeBytes mode = icom::r7000Mode(servedMode(station));
    timerx(station, kSlowReceiverDelayMs);
    setMode(station, type, {mode.mode, mode.filter}, kSlowReceiverDelayMs);
}

void init_R9000(Station& station, const RadioType& type) {
    setMode(station, type, {icom::r9000Mode(servedMode(station)).mode}, kSlowReceiverDelayMs);
}

}  // namespace orvant
