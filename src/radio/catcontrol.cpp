#include "radio/catcontrol.h"

#include "config/text_rules.h"
#include "radio/radio_drivers.h"
#include "station/station.h"

namespace orvant {

namespace {

void sendToPosition(Station& station, int side, const std::string& freqText) {
    station.radio.catSide = static_cast<std::int16_t>(side);
    station.radio.catFreq = trim(freqText);
    const RadioType* type = radioTypeAt(station.sat, side);
    if (!type) return;
    const RadioDrivers* drivers = driversOf(type->driver);
    if (drivers && drivers->send) drivers->send(station, *type);
}

}  // namespace

void catcontrol(Station& station) {
    sendToPosition(station, 0, station.radio.uplinkFreqText);
    sendToPosition(station, 1, station.radio.downlinkFreqText);
    // The controller's bad-reply limit is tighter from now on.
    station.link.catcontrolUsed = true;
}

}  // namespace orvant
