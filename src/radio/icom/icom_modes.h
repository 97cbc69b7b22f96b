#pragma once

#include <cstdint>
#include <string_view>

#include "radio/radio_types.h"

namespace orvant::icom {

// The CI-V mode (and, for the receivers, filter) bytes of a satellite file's mode text. A text is
// read without its surrounding blanks; one the model's table does not hold takes the nearest
// mode: its narrow and wide marks "(N)", "-N", "-W" read as "N" and "W" ("FM(N)" is FMN), then
// the longest table text it begins with ("CW-R(N)" is CW-R, "USB-D" is USB), and FM when it
// begins with none.

struct ModeBytes {
    std::int16_t mode = 0;
    std::int16_t filter = 0;
};

// The transceivers: LSB 0, USB 1, AM 2, CW 3, FM 5 (no filter byte).
ModeBytes transceiverMode(std::string_view text);
// The IC-R8500: mode and filter, narrow and wide forms included; WFM for "FMW".
ModeBytes r8500Mode(std::string_view text);
// The IC-R7000: FM for every text, with the wide filter for "FMW".
ModeBytes r7000Mode(std::string_view text);
// The IC-R9000: LSB, USB, FM, and its wide FM for "FMW" (no filter byte).
ModeBytes r9000Mode(std::string_view text);

// Whether the model of a driver has a mode of its own for a text, not only the nearest or FM.
bool takesMode(RadioDriver driver, std::string_view text);

}  // namespace orvant::icom
