#include "radio/kenwood/ts2000.h"

#include <string>
#include <vector>

#include "controller/cat_message.h"
#include "radio/kenwood/text_command.h"
#include "radio/radio_drivers.h"
#include "radio/read_back.h"
#include "station/station.h"

namespace orvant {

namespace {

constexpr const char* kSatelliteModeOn = "DC11;RX0;AI0;RC;SA1011000;";
constexpr const char* kSatelliteModeOff = "DC00;RX0;AI0;RC;SA0000000;";

// The VFO selection that goes before every command of a position.
std::string vfoSelection(const Station& station, int side) {
    if (side == 1) return "FR0;";
    return ts2000BothPositions(station.sat) ? "FT1;" : "FT0;";
}

char vfoLetter(const Station& station, int side) {
    return side == 0 && ts2000BothPositions(station.sat) ? 'B' : 'A';
}

std::vector<std::uint8_t> queryDial(Station& station, int side) {
    return queryCatText(
        station, static_cast<std::int16_t>(side + 1),
        vfoSelection(station, side) + kenwood::frequencyQuery(vfoLetter(station, side)));
}

}  // namespace

bool ts2000BothPositions(const SatelliteRecord& sat) {
    const RadioType* up = radioTypeAt(sat, 0);
    const RadioType* down = radioTypeAt(sat, 1);
    return up && down && up->driver == RadioDriver::Ts2000 && down->driver == RadioDriver::Ts2000;
}

void init_ts2000(Station& station, const RadioType&) {
    const int side = station.radio.catSide;
    sendCatText(station, servedRadio(station),
                (ts2000BothPositions(station.sat) ? kSatelliteModeOn : kSatelliteModeOff) +
                    vfoSelection(station, side) + kenwood::modeCommand(servedMode(station)));
}

void Ken_2000(Station& station, const RadioType&) {
    if (servedLinkInhibited(station)) return;
    const int side = station.radio.catSide;
    const auto command = kenwood::frequencyCommand(vfoLetter(station, side), station.radio.catFreq);
    if (!command) return;
    sendCatText(station, servedRadio(station), vfoSelection(station, side) + *command);
}

void readback_ts2000_tx(Station& station, const RadioType&) {
    const std::vector<std::uint8_t> reply = queryDial(station, 0);
    if (!kenwood::framedAnswer(reply)) return refuseReadback(station);
    const auto hz = kenwood::decodeFrequencyAnswer(reply, vfoLetter(station, 0));
    if (!hz) readbackBrokeDown();
    acceptReadback(station, 0, *hz);
}

void readback_TS2000_rx(Station& station, const RadioType&) {
    if (const auto hz = kenwood::decodeFrequencyAnswer(queryDial(station, 1), 'A'))
        acceptReadback(station, 1, *hz);
    else
        refuseReadback(station);
}

}  // namespace orvant
