#include "radio/sim/kenwood_commands.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "radio/kenwood/text_command.h"

namespace orvant::sim {

namespace {

constexpr std::string_view kCannotRead = "?;";
constexpr std::string_view kIgnored[] = {"AI", "FN", "SP", "RC", "RX", "MC"};

bool digitsOnly(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int letterOf(char vfo) {
    return vfo == 'A' ? RadioDial::kVfoA : RadioDial::kVfoB;
}

// Applies one command (without its ";") and returns its answer.
std::string applyCommand(std::string_view command, RadioDial& dial) {
    const std::string_view name = command.substr(0, 2);
    const std::string_view digits = command.size() > 2 ? command.substr(2) : std::string_view();
    if (name == "FA" || name == "FB") {
        const char vfo = name[1];
        if (digits.empty()) return kenwood::frequencyAnswer(vfo, dial.vfo(letterOf(vfo)).hz);
        if (digits.size() != kenwood::kFrequencyDigits || !digitsOnly(digits))
            return std::string(kCannotRead);
        dial.vfo(letterOf(vfo)).hz = std::stoll(std::string(digits));
        return {};
    }
    if (name == "MD" && digits.size() == 1 && !kenwood::modeOfDigit(digits[0]).empty()) {
        dial.vfo(dial.selectedVfo).mode = kenwood::modeOfDigit(digits[0]);
        return {};
    }
    if ((name == "FT" || name == "FR") && (digits == "0" || digits == "1")) {
        dial.selectedVfo = digits[0] - '0';
        (name == "FT" ? dial.txVfo : dial.rxVfo) = dial.selectedVfo;
        return {};
    }
    if (name == "DC" && digitsOnly(digits)) {
        dial.controlBand = digits.back() == '1' ? RadioDial::kSub : RadioDial::kMain;
        return {};
    }
    if (name == "SA" && digitsOnly(digits)) {
        dial.satelliteMode = digits[0] == '1';
        return {};
    }
    if (std::find(std::begin(kIgnored), std::end(kIgnored), name) != std::end(kIgnored)) return {};
    return std::string(kCannotRead);
}

}  // namespace

std::vector<std::uint8_t> KenwoodCommands::apply(const std::vector<std::uint8_t>& message,
                                                 RadioDial& dial) const {
    const std::string text(message.begin(), message.end());
    std::string answer;
    std::size_t start = 0;
    for (std::size_t end = text.find(';'); end != std::string::npos;
         start = end + 1, end = text.find(';', start))
        answer += applyCommand(std::string_view(text).substr(start, end - start), dial);
    return {answer.begin(), answer.end()};
}

}  // namespace orvant::sim
