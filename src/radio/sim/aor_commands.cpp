#include "radio/sim/aor_commands.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "radio/aor/aor_line.h"

namespace orvant::sim {

namespace {

constexpr std::string_view kRead = "RX";

bool digitsOnly(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Applies one line (without its carriage return) and returns its answer.
std::string applyLine(std::string_view line, RadioDial& dial) {
    RadioDial::Vfo& vfo = dial.bands[RadioDial::kMain][RadioDial::kVfoA];
    if (line == kRead) return aor::frequencyAnswer(vfo.hz);
    const std::string_view digits =
        line.substr(std::min(line.size(), aor::kFrequencyCommand.size()));
    if (line.starts_with(aor::kFrequencyCommand) && digits.size() == aor::kFrequencyDigits &&
        digitsOnly(digits)) {
        vfo.hz = std::stoll(std::string(digits));
        return {};
    }
    if (const std::string_view mode = aor::modeOfCommand(line); !mode.empty()) vfo.mode = mode;
    return {};
}

}  // namespace

std::vector<std::uint8_t> AorCommands::apply(const std::vector<std::uint8_t>& message,
                                             RadioDial& dial) const {
    const std::string text(message.begin(), message.end());
    std::string answer;
    std::size_t start = 0;
    for (std::size_t end = text.find(aor::kLineEnd); end != std::string::npos;
         start = end + 1, end = text.find(aor::kLineEnd, start))
        answer += applyLine(std::string_view(text).substr(start, end - start), dial);
    return {answer.begin(), answer.end()};
}

}  // namespace orvant::sim
