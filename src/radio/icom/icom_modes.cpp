#include "radio/icom/icom_modes.h"

#include <span>

#include "radio/mode_table.h"

namespace orvant::icom {

namespace {

struct ModeRow {
    std::string_view text;
    ModeBytes bytes;
};

constexpr ModeRow kTransceiver[] = {{"LSB", {0, 0}},  {"USB", {1, 0}}, {"AM", {2, 0}},
                                    {"AMN", {2, 0}},  {"AMW", {2, 0}}, {"CW", {3, 0}},
                                    {"CW-R", {3, 0}}, {"CWN", {3, 0}}, {"FM", {5, 0}},
                                    {"FMN", {5, 0}},  {"FMW", {5, 0}}};
constexpr ModeRow kR8500[] = {{"LSB", {0, 1}}, {"USB", {1, 1}}, {"AM", {2, 2}},  {"AMN", {2, 1}},
                              {"AMW", {2, 3}}, {"CW", {3, 1}},  {"CWN", {3, 2}}, {"FM", {5, 1}},
                              {"FMN", {5, 2}}, {"FMW", {6, 1}}};
constexpr ModeRow kR7000[] = {{"FMW", {5, 1}}};
constexpr ModeRow kR9000[] = {
    {"LSB", {0, 0}}, {"USB", {1, 0}}, {"FM", {5, 0}}, {"FMN", {5, 0}}, {"FMW", {6, 0}}};

ModeBytes nearestMode(std::span<const ModeRow> table, std::string_view text, ModeBytes fm) {
    const ModeRow* row = nearestModeRow(table, text);
    return row ? row->bytes : fm;
}

}  // namespace

ModeBytes transceiverMode(std::string_view text) {
    return nearestMode(kTransceiver, text, {5, 0});
}

ModeBytes r8500Mode(std::string_view text) {
    return nearestMode(kR8500, text, {5, 1});
}

ModeBytes r7000Mode(std::string_view text) {
    return nearestMode(kR7000, text, {5, 0});
}

ModeBytes r9000Mode(std::string_view text) {
    return nearestMode(kR9000, text, {5, 0});
}

bool takesMode(RadioDriver driver, std::string_view text) {
    switch (driver) {
        case RadioDriver::IcomR8500:
            return holdsMode<ModeRow>(kR8500, text);
        case RadioDriver::IcomR7000:  // FM in every form
            return modeKey(text) == "FM" || holdsMode<ModeRow>(kR7000, text);
        case RadioDriver::IcomR9000:
            return holdsMode<ModeRow>(kR9000, text);
        default:
            return holdsMode<ModeRow>(kTransceiver, text);
    }
}

}  // namespace orvant::icom
