#include "radio/yaesu/yaesu_modes.h"

#include <algorithm>
#include <string>

#include "config/text_rules.h"

namespace orvant::yaesu {

namespace {

constexpr ModeRow kFt736[] = {{"LSB", 0x00}, {"USB", 0x01},  {"CW", 0x02},
                              {"CWN", 0x82}, {"FM", 0x08},   {"FMN", 0x88},
                              {"FMW", 0x88}, {"FM-N", 0x88}, {"FM-W", 0x88}};
constexpr ModeRow kFt847[] = {{"LSB", 0x00},   {"USB", 0x01},  {"CW", 0x02},    {"CW-R", 0x03},
                              {"AM", 0x04},    {"FM", 0x08},   {"CW(N)", 0x82}, {"CW-R(N)", 0x83},
                              {"AM(N)", 0x84}, {"FM(N)", 0x88}};
constexpr ModeRow kFt757Downlink[] = {{"LSB", 0x10}, {"USB", 0x11},  {"CWW", 0x12},
                                      {"CWN", 0x13}, {"FM", 0x17},   {"FMN", 0x17},
                                      {"FMW", 0x17}, {"FM-N", 0x17}, {"FM-W", 0x17}};
constexpr ModeRow kFt100[] = {{"LSB", 0}, {"USB", 1}, {"CW", 2}, {"CW-R", 3},
                              {"AM", 4},  {"DIG", 5}, {"FM", 6}, {"W-FM", 7}};

const ModeRow* rowOf(const ModeTable& table, std::string_view text) {
    const std::string key = trim(std::string(text));
    const auto row = std::find_if(table.rows.begin(), table.rows.end(),
                                  [&key](const ModeRow& r) { return r.text == key; });
    return row == table.rows.end() ? nullptr : &*row;
}

}  // namespace

const ModeTable kFt736Modes{kFt736, 0x08};
const ModeTable kFt847Modes{kFt847, 0x88};
const ModeTable kFt757DownlinkModes{kFt757Downlink, 0x08};
const ModeTable kFt100Modes{kFt100, 6};

std::int16_t modeCode(const ModeTable& table, std::string_view text) {
    const ModeRow* row = rowOf(table, text);
    return row ? row->code : table.otherwise;
}

bool takesMode(const ModeTable& table, std::string_view text) {
    return rowOf(table, text) != nullptr;
}

std::string_view modeText(const ModeTable& table, std::int16_t code) {
    const auto row = std::find_if(table.rows.begin(), table.rows.end(),
                                  [code](const ModeRow& r) { return r.code == code; });
    return row == table.rows.end() ? std::string_view() : row->text;
}

}  // namespace orvant::yaesu
