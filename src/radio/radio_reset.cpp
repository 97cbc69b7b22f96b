#include "radio/radio_reset.h"

#include <string>
#include <vector>

#include "config/text_rules.h"
#include "controller/cat_message.h"
#include "controller/timerx.h"
#include "radio/icom/civ.h"
#include "radio/icom/icom.h"
#include "radio/radio_types.h"
#include "station/station.h"

namespace orvant {

namespace {

constexpr std::int16_t kUplink = 1;
constexpr std::int16_t kDownlink = 2;
constexpr std::int16_t kTs2000 = 26;
constexpr std::int16_t kIc910 = 27;

enum Family : std::int16_t { kFiveByte = 1, kCivOwnAddress = 2, kText = 3, kCivAddress74 = 4 };

constexpr std::int16_t kCivAddress74Value = 74;
constexpr std::int16_t kCivIc910Address = 0x60;
constexpr std::int16_t kCivSplitDuplexOff = 0x10;
constexpr std::int16_t kCivMemoryMode = 0xA0;
// Data of the extended command 1A that switches satellite mode off.
const std::vector<std::int16_t> kCivSatelliteModeOff{0x07, 0x00};

// What shutdown takes from the memory-channel value of ORV.CFG.
struct MemoryChannel {
    std::int16_t number = 0;  // the number in the last three characters
    std::string uplinkText;   // TS-2000 texts with the last two characters as channel
    std::string downlinkText;
};

MemoryChannel memoryChannelOf(const std::string& value) {
    const std::string lastTwo = right(value, 2);
    return {toInt16(leadingNumber(right(value, 3))).value_or(0), "DC0;SP0;MC " + lastTwo + ";",
            "DC1;MC " + lastTwo + ";"};
}

void sendBytesThenWait(Station& station, std::int16_t link, const std::vector<std::int16_t>& bytes,
                       std::int64_t waitMs) {
    sendCatBytes(station, link, bytes);
    timerx(station, waitMs);
}

// Family 1: the three five-byte commands with their waits.
void shutFiveByteRadio(Station& station, std::int16_t link) {
    sendCatBytes(station, link, {0, 0, 0, 0, 0x8E});
    sendBytesThenWait(station, link, {0, 0, 0, 0, 0x88}, 100);
    sendBytesThenWait(station, link, {0, 0, 0, 0, 0x80}, 200);
}

void sendTextThenWait(Station& station, std::int16_t link, const std::string& text) {
    sendCatText(station, link, text);
    timerx(station, 50);
}

// The band a CI-V downlink radio recalls its memory channel on: a dual-band radio's the band its
// downlink was tuned on (its main band when it serves the downlink alone), so that the recall
// replaces the last Doppler frequency; any other radio's sub band.
std::int16_t downlinkRecallBand(const SatelliteRecord& sat) {
    const RadioType* type = radioTypeAt(sat, 1);
    return type && type->dualBand ? icomBandOf(sat, *type, 1) : civ::kSubBand;
}

// Returns false when one five-byte radio serves both links: its downlink messages are then left
// out, since the radio has already had them.
bool shutUplink(Station& station, const MemoryChannel& channel) {
    const std::int16_t address = station.radio.uplinkCivAddress;
    switch (station.radio.uplinkFamily) {
        case kFiveByte:
            shutFiveByteRadio(station, kUplink);
            return station.sat.uplinkRadioType != station.sat.downlinkRadioType;
        case kCivOwnAddress:
            sendBytesThenWait(station, kUplink,
                              civ::message(address, civ::kSelect, {civ::kMainBand}), 50);
            sendBytesThenWait(station, kUplink,
                              civ::message(address, civ::kSplit, {kCivSplitDuplexOff}), 50);
            sendBytesThenWait(station, kUplink,
                              civ::message(address, civ::kMemoryChannel, {channel.number}), 50);
            return true;
        case kText:
            sendTextThenWait(station, kUplink, channel.uplinkText);
            return true;
        default:
            return true;
    }
}

void shutDownlink(Station& station, const MemoryChannel& channel) {
    const std::int16_t address = station.radio.downlinkCivAddress;
    switch (station.radio.downlinkFamily) {
        case kFiveByte:
            shutFiveByteRadio(station, kDownlink);
            return;
        case kCivOwnAddress: {
            const std::int16_t band = downlinkRecallBand(station.sat);
            sendBytesThenWait(station, kDownlink, civ::message(address, civ::kSelect, {band}), 50);
            sendBytesThenWait(station, kDownlink,
                              civ::message(address, civ::kMemoryChannel, {channel.number}), 50);
            return;
        }
        case kText:
            sendTextThenWait(station, kDownlink, channel.downlinkText);
            return;
        case kCivAddress74:
            sendBytesThenWait(
                station, kDownlink,
                civ::message(kCivAddress74Value, civ::kMemoryChannel, {kCivMemoryMode, 0x00}), 50);
            sendBytesThenWait(
                station, kDownlink,
                civ::message(kCivAddress74Value, civ::kMemoryChannel, {channel.number}), 50);
            return;
        default:
            return;
    }
}

// A TS-2000: out of satellite mode, then back to plain VFO A reception, both messages on the
// link that holds it (the downlink when it holds both).
void shutTs2000(Station& station, std::int16_t link) {
    sendTextThenWait(station, link, "SA0000000;");
    sendCatText(station, link, "FR0;FA00016000000;");
}

bool ts2000At(const SatelliteRecord& sat, int side) {
    return radioCodeAt(sat, side) == kTs2000;
}

// Each radio by its own family; a TS-2000 by its own messages, and the radio beside it by its
// family's.
void resetEachRadio(Station& station) {
    const MemoryChannel channel = memoryChannelOf(station.cfg.memoryChannel);
    const SatelliteRecord& sat = station.sat;
    if (sat.uplinkRadioType == kIc910 && sat.downlinkRadioType == kIc910) {
        sendCatBytes(station, kDownlink,
                     civ::message(kCivIc910Address, civ::kExtended, kCivSatelliteModeOff), 2);
        timerx(station, 50);
        return;
    }
    if (ts2000At(sat, 0) && ts2000At(sat, 1)) return shutTs2000(station, kDownlink);
    if (ts2000At(sat, 0))
        shutTs2000(station, kUplink);
    else if (!shutUplink(station, channel))
        return;
    if (ts2000At(sat, 1))
        shutTs2000(station, kDownlink);
    else
        shutDownlink(station, channel);
}

}  // namespace

void resetRadios(Station& station) {
    resetEachRadio(station);
    station.radio.setUp = false;
}

}  // namespace orvant
