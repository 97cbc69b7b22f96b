#include "radio/aor/aor_line.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "config/text_rules.h"
#include "radio/digit_field.h"

namespace orvant::aor {

namespace {

constexpr std::string_view kAnswerVfo = "VA ";

struct ModeCommand {
    std::string_view command;
    std::string_view mode;
};
constexpr ModeCommand kModeCommands[] = {
    {"MD0", "FM"}, {"MD1", "AM"}, {"MD2", "LSB"}, {"MD3", "USB"}, {"MD4", "CW"}};

constexpr std::size_t kModeCommand = 3;  // the fourth

// Where the fourth command of a list starts and ends; nothing when the list has none.
std::optional<std::pair<std::size_t, std::size_t>> modeCommandSpan(const std::string& list) {
    std::size_t start = 0;
    for (std::size_t k = 0; k < kModeCommand; ++k) {
        start = list.find(',', start);
        if (start == std::string::npos) return std::nullopt;
        ++start;
    }
    return std::pair{start, std::min(list.find(',', start), list.size())};
}

const ModeCommand* commandOfMode(std::string_view mode) {
    const auto m = std::find_if(std::begin(kModeCommands), std::end(kModeCommands),
                                [mode](const ModeCommand& c) { return c.mode == mode; });
    return m == std::end(kModeCommands) ? nullptr : &*m;
}

}  // namespace

std::string_view modeOfCommand(std::string_view command) {
    for (const ModeCommand& m : kModeCommands)
        if (m.command == command) return m.mode;
    return {};
}

std::string_view modeOfList(const std::string& list) {
    const auto span = modeCommandSpan(list);
    if (!span) return {};
    return modeOfCommand(trim(list.substr(span->first, span->second - span->first)));
}

bool listTakesMode(const std::string& list, std::string_view mode) {
    return modeCommandSpan(list) && commandOfMode(mode);
}

std::string listWithMode(const std::string& list, std::string_view mode) {
    const auto span = modeCommandSpan(list);
    const ModeCommand* m = commandOfMode(mode);
    if (!span || !m) return list;
    return list.substr(0, span->first) + std::string(m->command) + list.substr(span->second);
}

std::optional<std::string> frequencyLine(std::string_view hzDigits) {
    const auto digits = digitField(hzDigits, kFrequencyDigits);
    if (!digits) return std::nullopt;
    return std::string(kFrequencyCommand) + *digits + kLineEnd;
}

std::string frequencyAnswer(std::int64_t hz) {
    return std::string(kAnswerVfo) + *frequencyLine(std::to_string(hz));
}

std::optional<std::int64_t> decodeFrequencyAnswer(std::span<const std::uint8_t> reply) {
    const std::size_t start = kAnswerVfo.size();
    const std::size_t digitsAt = start + kFrequencyCommand.size();
    if (reply.size() < digitsAt + kFrequencyDigits ||
        std::string_view(reinterpret_cast<const char*>(reply.data()) + start,
                         kFrequencyCommand.size()) != kFrequencyCommand)
        return std::nullopt;
    std::int64_t hz = 0;
    for (std::size_t i = digitsAt; i < digitsAt + kFrequencyDigits; ++i) {
        if (reply[i] < '0' || reply[i] > '9') return std::nullopt;
        hz = hz * 10 + (reply[i] - '0');
    }
    return hz;
}

}  // namespace orvant::aor
