#include "radio/aor/aor_line.h"

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

}  // namespace

std::string_view modeOfCommand(std::string_view command) {
    for (const ModeCommand& m : kModeCommands)
        if (m.command == command) return m.mode;
    return {};
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
