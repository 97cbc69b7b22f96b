#pragma once

#include <cstdint>
#include <string>

#include "radio/radio_types.h"

namespace orvant {

struct Station;

// A driver routine of a family, called with the row of the radio it serves. The position served
// and the frequency to send are in `catSide` and `catFreq`.
using RadioRoutine = void (*)(Station& station, const RadioType& type);

// The routines of one driver family; nullptr where the family has none (a radio set up only,
// models without a read-back).
struct RadioDrivers {
    RadioRoutine init;           // set-up at the start of a pass
    RadioRoutine send;           // one frequency, on every send; sends nothing while inhibited
    RadioRoutine readUplink;     // read-back of the uplink radio's dial
    RadioRoutine readDownlink;   // read-back of the downlink radio's dial
    int stepHz = 1;              // the finest step a frequency is sent and read back in
    bool typedReadback = false;  // the operator types the dial in: no read-back of its own
};

// The routines of a family; nullptr for a family whose radios are only named.
const RadioDrivers* driversOf(RadioDriver driver);

// What every driver asks about the position it serves (`catSide`).
std::int16_t servedRadio(const Station& station);  // 1 uplink radio, 2 downlink radio
bool servedLinkInhibited(const Station& station);
const std::string& servedMode(const Station& station);

}  // namespace orvant
