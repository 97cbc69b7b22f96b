#include "radio/icom/icom.h"

#include <vector>

#include "controller/cat_message.h"
#include "radio/icom/civ.h"
#include "radio/icom/civ_send.h"
#include "radio/icom/icom_modes.h"
#include "radio/radio_drivers.h"
#include "radio/read_back.h"
#include "station/station.h"

namespace orvant {

namespace {

constexpr std::int16_t kSplitOff = 0x00;
constexpr std::int16_t kSplitOffDelayMs = 200;
// Data of the extended command 1A that switches satellite mode on.
const std::vector<std::int16_t> kSatelliteModeOn{0x07, 0x01};

std::int16_t radioOfSide(int side) {
    return side == 0 ? 1 : 2;
}

void selectBand(Station& station, const RadioType& type, std::int16_t radio, std::int16_t band) {
    if (type.dualBand) sendCiv(station, radio, type.civAddress, civ::kSelect, {band});
}

void selectVfo(Station& station, const RadioType& type, std::int16_t radio) {
    if (!type.skipVfoSelect) sendCiv(station, radio, type.civAddress, civ::kSelect, {civ::kVfo});
}

void readBack(Station& station, const RadioType& type, int side) {
    const std::int16_t radio = radioOfSide(side);
    const std::int16_t band = icomBandOf(station.sat, type, side);
    selectBand(station, type, radio, band);
    selectVfo(station, type, radio);
    const std::vector<std::uint8_t> reply =
        queryCatBytes(station, radio, civ::message(type.civAddress, civ::kReadFrequency));
    if (const auto hz = civ::decodeFrequencyAnswer(reply, type.civAddress))
        acceptReadback(station, side, *hz);
    else
        refuseReadback(station);
    // The radio's front panel is left on its main band.
    if (type.dualBand && band == civ::kSubBand)
        sendCiv(station, radio, type.civAddress, civ::kSelect, {civ::kMainBand});
}

}  // namespace

std::int16_t icomBandOf(const SatelliteRecord& sat, const RadioType& type, int side) {
    if (!sameRadioBothPositions(sat)) return civ::kMainBand;
    const bool uplinkOnSub = type.satelliteMode;
    return (side == 0) == uplinkOnSub ? civ::kSubBand : civ::kMainBand;
}

void init_icom(Station& station, const RadioType& type) {
    const int side = station.radio.catSide;
    const std::int16_t radio = servedRadio(station);
    selectBand(station, type, radio, icomBandOf(station.sat, type, side));
    // Only an FT-100 pair works split, and then neither position holds an Icom radio: an Icom
    // uplink is always taken out of split.
    if (side == 0)
        sendCiv(station, radio, type.civAddress, civ::kSplit, {kSplitOff}, kSplitOffDelayMs);
    selectVfo(station, type, radio);
    sendCiv(station, radio, type.civAddress, civ::kSetMode,
            {icom::transceiverMode(servedMode(station)).mode});
    if (type.satelliteMode && sameRadioBothPositions(station.sat))
        sendCiv(station, radio, type.civAddress, civ::kExtended, kSatelliteModeOn);
}

void Icom(Station& station, const RadioType& type) {
    const auto data = servedFrequencyData(station);
    if (!data) return;
    const std::int16_t radio = servedRadio(station);
    selectBand(station, type, radio, icomBandOf(station.sat, type, station.radio.catSide));
    selectVfo(station, type, radio);
    sendCiv(station, radio, type.civAddress, civ::kSetFrequency, *data);
}

void readback_icom_tx(Station& station, const RadioType& type) {
    readBack(station, type, 0);
}

void readback_icom_rx(Station& station, const RadioType& type) {
    readBack(station, type, 1);
}

}  // namespace orvant
