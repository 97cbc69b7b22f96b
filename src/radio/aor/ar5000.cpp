#include "radio/aor/ar5000.h"

#include <string>
#include <vector>

#include "config/text_rules.h"
#include "controller/cat_message.h"
#include "controller/frame_layout.h"
#include "controller/link_dumps.h"
#include "controller/timerx.h"
#include "radio/aor/aor_line.h"
#include "radio/radio_drivers.h"
#include "radio/read_back.h"
#include "station/station.h"

namespace orvant {

namespace {

constexpr std::size_t kSetUpCommands = 5;
// A line and the end byte behind it fill at most the message slots.
constexpr std::size_t kLongestLine = frame::kCatLast - frame::kCatFirst;
constexpr std::int64_t kLinePauseMs = 50;

constexpr const char* kDiagnosticText =
    " AR5000 Readback Buffer  Find combination Hex 52 followed by Hex 46 followed by hex "
    "representation of freq. Count from left to the Hex 52 and advise KELDAN.  Click to exit ";

// The first commands of the list, without their blanks.
std::vector<std::string> setUpCommands(const std::string& list) {
    std::vector<std::string> commands;
    std::size_t start = 0;
    while (commands.size() < kSetUpCommands) {
        const std::size_t comma = list.find(',', start);
        commands.push_back(trim(list.substr(start, comma - start)));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return commands;
}

void refuseLongLine(Station& station, const std::string& command) {
    station.platform.alerts.messageBox("The AR5000 set-up command \"" + command +
                                       "\" is longer than " + std::to_string(kLongestLine - 1) +
                                       " characters and was not sent.");
}

void sendLine(Station& station, const std::string& line) {
    sendCatText(station, 2, line);
    timerx(station, kLinePauseMs);
}

void showModeCaption(Station& station, const std::string& list) {
    const std::string_view mode = aor::modeOfList(list);
    if (!mode.empty()) station.display.setCaption("lbl_DnMode", std::string(mode));
}

}  // namespace

void init_ar5000(Station& station, const RadioType&) {
    const std::string& list = station.sat.downlinkMode;
    if (list.find(',') == std::string::npos) return;
    const std::vector<std::string> commands = setUpCommands(list);
    for (const std::string& command : commands) {
        if (command.empty()) continue;
        if (command.size() + 1 > kLongestLine)
            refuseLongLine(station, command);
        else
            sendLine(station, command + aor::kLineEnd);
    }
    showModeCaption(station, list);
}

void ar5000(Station& station, const RadioType&) {
    if (servedLinkInhibited(station)) return;
    if (const auto line = aor::frequencyLine(station.radio.catFreq)) sendLine(station, *line);
}

void readback_ar5000(Station& station, const RadioType&) {
    const std::vector<std::uint8_t> reply = queryCatText(station, 2, std::string(aor::kReadQuery));
    if (station.link.diagnostic) {
        station.display.show("Text4");
        station.display.setCaption("Text4",
                                   kDiagnosticText + replyBytesDump(station.link.replyNibbles));
    }
    if (const auto hz = aor::decodeFrequencyAnswer(reply))
        acceptReadback(station, 1, *hz);
    else
        refuseReadback(station);
}

}  // namespace orvant
