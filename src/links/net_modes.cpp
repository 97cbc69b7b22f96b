#include "links/net_modes.h"

#include <span>

#include "radio/link_modes.h"
#include "radio/mode_table.h"

namespace orvant {

namespace {

// A client's mode and the file's texts for it, nearest first.
struct ClientMode {
    std::string_view name;
    std::vector<std::string_view> texts;
};

const ClientMode kClientModes[] = {
    {"USB", {"USB"}},
    {"LSB", {"LSB"}},
    {"CW", {"CW", "CWW"}},  // the FT-757's receive side names its wide CW "CWW"
    {"CWR", {"CW-R", "CW", "CWW"}},
    {"FM", {"FM"}},
    {"WFM", {"FMW", "W-FM", "FM"}},
    {"AM", {"AM"}},
    {"PKTUSB", {"DIG", "USB"}},
    {"PKTLSB", {"DIG", "LSB"}},
    {"PKTFM", {"FM"}},
    {"RTTY", {"DIG", "LSB"}},
    {"RTTYR", {"DIG", "USB"}},
};

// A file's text and the client's mode it reads as; a text takes the row of its longest
// beginning ("CWN" is CW, "CW-R(N)" CWR).
struct TextMode {
    std::string_view text;
    std::string_view name;
};

constexpr TextMode kTextModes[] = {{"USB", "USB"},  {"LSB", "LSB"}, {"CW", "CW"},
                                   {"CW-R", "CWR"}, {"FM", "FM"},   {"FMW", "WFM"},
                                   {"W-FM", "WFM"}, {"AM", "AM"},   {"DIG", "PKTUSB"}};

std::string_view firstTaken(const SatelliteRecord& sat, int side, const ClientMode& mode) {
    for (std::string_view text : mode.texts)
        if (linkTakesMode(sat, side, text)) return text;
    return {};
}

}  // namespace

std::vector<std::string> clientModesOfLink(const SatelliteRecord& sat, int side) {
    std::vector<std::string> names;
    for (const ClientMode& mode : kClientModes)
        if (!firstTaken(sat, side, mode).empty()) names.emplace_back(mode.name);
    return names;
}

std::string linkModeText(const SatelliteRecord& sat, int side, std::string_view clientMode) {
    for (const ClientMode& mode : kClientModes)
        if (mode.name == clientMode) return std::string(firstTaken(sat, side, mode));
    return {};
}

std::string clientModeOfLink(const SatelliteRecord& sat, int side) {
    const TextMode* row =
        nearestModeRow(std::span<const TextMode>(kTextModes), linkMode(sat, side));
    return std::string(row ? row->name : "FM");
}

}  // namespace orvant
