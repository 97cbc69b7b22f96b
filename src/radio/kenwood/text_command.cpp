#include "radio/kenwood/text_command.h"

#include <algorithm>
#include <array>

#include "radio/digit_field.h"

namespace orvant::kenwood {

namespace {

constexpr int kAnswerBytes = 2 + kFrequencyDigits + 1;

struct ModeCode {
    std::string_view mode;
    char digit;
};
constexpr std::array kModes{ModeCode{"LSB", '1'}, ModeCode{"USB", '2'}, ModeCode{"CW", '3'},
                            ModeCode{"FM", '4'},  ModeCode{"AM", '5'},  ModeCode{"CWN", '7'}};
constexpr char kOtherModes = '4';

bool isDigit(std::uint8_t c) {
    return c >= '0' && c <= '9';
}

const ModeCode* modeCodeOf(std::string_view mode) {
    const auto it = std::find_if(kModes.begin(), kModes.end(),
                                 [mode](const ModeCode& m) { return m.mode == mode; });
    return it == kModes.end() ? nullptr : &*it;
}

}  // namespace

std::string modeCommand(std::string_view mode) {
    const ModeCode* code = modeCodeOf(mode);
    return std::string("MD") + (code ? code->digit : kOtherModes) + ";";
}

bool takesMode(std::string_view mode) {
    return modeCodeOf(mode) != nullptr;
}

std::string modeOfDigit(char digit) {
    const auto it = std::find_if(kModes.begin(), kModes.end(),
                                 [digit](const ModeCode& m) { return m.digit == digit; });
    return it == kModes.end() ? std::string() : std::string(it->mode);
}

std::optional<std::string> frequencyCommand(char vfo, std::string_view hzDigits) {
    const auto digits = digitField(hzDigits, kFrequencyDigits);
    if (!digits) return std::nullopt;
    return std::string("F") + vfo + *digits + ";";
}

std::string frequencyQuery(char vfo) {
    return std::string("F") + vfo + ";";
}

std::string frequencyAnswer(char vfo, std::int64_t hz) {
    return *frequencyCommand(vfo, std::to_string(hz));
}

bool framedAnswer(std::span<const std::uint8_t> reply) {
    return reply.size() >= kAnswerBytes && reply[2] == '0' && reply[kAnswerBytes - 1] == ';';
}

std::optional<std::int64_t> decodeFrequencyAnswer(std::span<const std::uint8_t> reply, char vfo) {
    if (!framedAnswer(reply) || reply[0] != 'F' || reply[1] != vfo) return std::nullopt;
    std::int64_t hz = 0;
    for (int i = 2; i < 2 + kFrequencyDigits; ++i) {
        if (!isDigit(reply[i])) return std::nullopt;
        hz = hz * 10 + (reply[i] - '0');
    }
    return hz;
}

}  // namespace orvant::kenwood
