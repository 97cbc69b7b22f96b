#include "radio/kenwood/kenwood.h"

#include <cstdio>
#include <string>
#include <vector>

#include "controller/cat_message.h"
#include "radio/adjust_read.h"
#include "radio/kenwood/text_command.h"
#include "radio/radio_drivers.h"
#include "radio/read_back.h"
#include "station/station.h"

namespace orvant {

namespace {

constexpr char kVfo = 'A';
constexpr const char* kMainBand = "DC0;";
constexpr const char* kSubBand = "DC1;";
constexpr int kDiagnosticBytes = 44;

// A dual-band radio (TS-790) works each position on a band of its own, selected before every
// command to it: the uplink on the main band, the downlink on the sub band, alone or not.
std::string bandOf(const RadioType& type, int side) {
    return type.dualBand ? type.position(side).bandPrefix : "";
}

std::string bandPrefix(const Station& station, const RadioType& type) {
    return bandOf(type, station.radio.catSide);
}

void takeAnswer(Station& station, int side, const std::vector<std::uint8_t>& reply) {
    if (const auto hz = kenwood::decodeFrequencyAnswer(reply, kVfo))
        acceptReadback(station, side, *hz);
    else
        refuseReadback(station);
}

std::string hexBytes(const std::vector<std::uint8_t>& reply) {
    std::string text;
    for (int k = 0; k < kDiagnosticBytes && k < static_cast<int>(reply.size()); ++k) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X ", reply[k]);
        text += hex;
    }
    return text;
}

// The diagnostic read-back: the raw answer for the operator to compare with the dial, instead of
// decoding it. Its line breaks are a line feed followed by a carriage return.
void showAnswerForDiagnosis(Station& station, const std::vector<std::uint8_t>& reply) {
    const std::string br = "\n\r";
    station.display.show("Text4");
    station.display.setCaption("Text4", hexBytes(reply));
    station.platform.alerts.messageBox(
        "Please note the Frequency on the TS-2000 Dial" + br + br +
        "The frequency should also appear somewhere in the illuminated panel" + br +
        "in a group of 13 values, i.e for 145.123456 MHz they will appear as" + br +
        "           46 41 30 30 31 34 35 31 32 33 34 35 36 3B" + br + br +
        "Please note the position and order of the frequency terms in the" + br +
        "string and advise KELDAN" + br + br + br + "Press OK to return to" + " the main prograa.");
    station.display.hide("Text4");
    station.link.diagnostic = false;
    station.radio.readSide = 2;
    adjust_read(station);
    station.radio.readSide = 0;
}

}  // namespace

void init_kenwood(Station& station, const RadioType& type) {
    sendCatText(
        station, servedRadio(station),
        bandPrefix(station, type) + "AI0;FN0;SP0;" + kenwood::modeCommand(servedMode(station)));
}

void Kenwood(Station& station, const RadioType& type) {
    if (servedLinkInhibited(station)) return;
    const auto command = kenwood::frequencyCommand(kVfo, station.radio.catFreq);
    if (!command) return;
    sendCatText(station, servedRadio(station), bandPrefix(station, type) + *command);
}

void readback_kenwood_tx(Station& station, const RadioType& type) {
    const std::string band = bandOf(type, 0);
    takeAnswer(station, 0, queryCatText(station, 1, band + kenwood::frequencyQuery(kVfo)));
}

void readback_kenwood_rx(Station& station, const RadioType& type) {
    const std::string band = bandOf(type, 1);
    const std::vector<std::uint8_t> reply =
        queryCatText(station, 2, band + kenwood::frequencyQuery(kVfo));
    if (station.link.diagnostic)
        showAnswerForDiagnosis(station, reply);
    else
        takeAnswer(station, 1, reply);
    // Control goes back to the main band.
    if (band == kSubBand) queryCatText(station, 2, kMainBand);
}

}  // namespace orvant
