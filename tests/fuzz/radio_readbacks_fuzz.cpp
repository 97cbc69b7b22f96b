// The answers radios give to a read-back of their dial, and the dial the operator types for a
// radio without one. A frequency decoded is a whole number of hertz the radio's field can hold,
// and the answer a radio would give for it decodes to it again.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "config/satellite_record.h"
#include "fuzz_check.h"
#include "radio/aor/aor_line.h"
#include "radio/frequency_text.h"
#include "radio/icom/civ.h"
#include "radio/kenwood/text_command.h"
#include "radio/yaesu/five_byte.h"
#include "radio/yaesu/ft100.h"

namespace orvant::fuzz {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Hz = std::optional<std::int64_t>;

constexpr std::int64_t kTenDigits = 10'000'000'000;
constexpr std::int64_t kFt100Steps = 0xFFFFFFFF;

Bytes bytesOf(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

// A decoded dial lies in 0..limit (exclusive) and becomes the station's read frequency.
bool decodedWithin(const Hz& hz, std::int64_t limit) {
    if (!hz) return false;
    require(*hz >= 0 && *hz < limit);
    frequencyDigits(static_cast<double>(*hz) / 1e6 + kGuardMHz);
    return true;
}

void checkAor(const Bytes& reply) {
    const Hz hz = aor::decodeFrequencyAnswer(reply);
    if (decodedWithin(hz, kTenDigits))
        require(aor::decodeFrequencyAnswer(bytesOf(aor::frequencyAnswer(*hz))) == hz);
}

void checkIcom(std::int16_t address, const Bytes& reply) {
    const Hz hz = civ::decodeFrequencyAnswer(reply, address);
    if (decodedWithin(hz, kTenDigits))
        require(civ::decodeFrequencyAnswer(civ::frequencyAnswer(address, *hz), address) == hz);
    decodedWithin(civ::decodeFrequencyData(reply), kTenDigits);
}

void checkKenwood(char vfo, const Bytes& reply) {
    const Hz hz = kenwood::decodeFrequencyAnswer(reply, vfo);
    if (!decodedWithin(hz, kTenDigits)) return;
    require(kenwood::framedAnswer(reply));
    require(kenwood::decodeFrequencyAnswer(bytesOf(kenwood::frequencyAnswer(vfo, *hz)), vfo) == hz);
}

void checkYaesu(yaesu::FrequencyForm form, const Bytes& reply) {
    const Hz hz = yaesu::decodeFrequency(form, reply);
    if (!decodedWithin(hz, kTenDigits)) return;
    require(*hz % 10 == 0);
    const auto params = yaesu::frequencyParams(form, std::to_string(*hz));
    if (!params) return;
    const Bytes sent(params->begin(), params->end());
    require(yaesu::decodeFrequency(form, sent) == hz);
}

void checkFt100(const Bytes& reply) {
    decodedWithin(yaesu::decodeFt100Status(reply), kFt100Steps * 5 / 4 + 1);
}

void checkTyped(const std::string& text) {
    const std::optional<double> mhz = typedFrequency(text);
    if (!mhz) return;
    require(finite(*mhz) && *mhz > 0);
    frequencyDigits(*mhz);
}

}  // namespace
}  // namespace orvant::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvant;
    using yaesu::FrequencyForm;
    fuzz::Input in(data, size);
    const std::uint8_t pick = in.byte();
    const std::uint8_t detail = in.byte();
    const std::string text = in.rest();
    const fuzz::Bytes reply(text.begin(), text.end());
    switch (pick % 8) {
        case 0:
            fuzz::checkAor(reply);
            break;
        case 1:
            fuzz::checkIcom(detail, reply);
            break;
        case 2:
            fuzz::checkKenwood(detail % 2 ? 'B' : 'A', reply);
            break;
        case 3:
            fuzz::checkYaesu(FrequencyForm::MostFirst, reply);
            break;
        case 4:
            fuzz::checkYaesu(FrequencyForm::Ft736, reply);
            break;
        case 5:
            fuzz::checkYaesu(FrequencyForm::LeastFirst, reply);
            break;
        case 6:
            fuzz::checkFt100(reply);
            break;
        default:
            fuzz::checkTyped(text);
            break;
    }
    return 0;
}
