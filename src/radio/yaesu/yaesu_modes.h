#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace orvant::yaesu {

// The mode bytes of the Yaesu models, from a satellite file's mode text. Each model names the
// texts it takes, row by row, and gives one mode for every other text; a text is read without its
// surrounding blanks and otherwise as written ("CW(N)" and "CWN" are different texts).

struct ModeRow {
    std::string_view text;
    std::int16_t code = 0;
};

struct ModeTable {
    std::span<const ModeRow> rows;
    std::int16_t otherwise = 0;  // any text that is no row of the table
};

// FT-736R, and the FT-757 uplink: LSB 00, USB 01, CW 02, CWN 82, FM 08, FMN, FMW, FM-N and FM-W
// 88, any other text (the empty one too) FM.
extern const ModeTable kFt736Modes;
// FT-847: LSB 00, USB 01, CW 02, CW-R 03, AM 04, FM 08, CW(N) 82, CW-R(N) 83, AM(N) 84, FM(N) and
// any other text 88.
extern const ModeTable kFt847Modes;
// FT-757 downlink: LSB 10, USB 11, CWW 12, CWN 13, FM, FMN, FMW, FM-N and FM-W 17, any other text
// 08.
extern const ModeTable kFt757DownlinkModes;
// FT-100: LSB 0, USB 1, CW 2, CW-R 3, AM 4, DIG 5, FM 6, W-FM 7, any other text FM.
extern const ModeTable kFt100Modes;

std::int16_t modeCode(const ModeTable& table, std::string_view text);
// Whether the table has a row of the text.
bool takesMode(const ModeTable& table, std::string_view text);
// The mode of a code, as the table's first row that gives it names it; empty for none.
std::string_view modeText(const ModeTable& table, std::int16_t code);

}  // namespace orvant::yaesu
