#include "radio/yaesu/ft100.h"

#include "controller/cat_message.h"
#include "controller/controller_functions.h"
#include "radio/radio_drivers.h"
#include "radio/read_back.h"
#include "radio/yaesu/five_byte.h"
#include "radio/yaesu/yaesu_modes.h"
#include "station/station.h"

namespace orvant {

namespace yaesu {

namespace {

constexpr std::size_t kStatusBytes = 16;
constexpr std::size_t kCountFirst = 1;
constexpr std::size_t kCountBytes = 4;
constexpr std::size_t kModeByte = kCountFirst + kCountBytes;
// The count is in steps of 1.25 Hz: 4 steps are 5 Hz.
constexpr std::int64_t kStepsPer5Hz = 4;

}  // namespace

std::vector<std::uint8_t> ft100StatusAnswer(std::int64_t hz, std::int16_t mode) {
    std::vector<std::uint8_t> answer(kStatusBytes, 0);
    std::int64_t count = hz * kStepsPer5Hz / 5;
    for (std::size_t i = kCountBytes; i > 0; --i, count >>= 8)
        answer[kCountFirst + i - 1] = static_cast<std::uint8_t>(count & 0xFF);
    answer[kModeByte] = static_cast<std::uint8_t>(mode);
    return answer;
}

std::optional<std::int64_t> decodeFt100Status(std::span<const std::uint8_t> reply) {
    if (reply.size() < kCountFirst + kCountBytes) return std::nullopt;
    std::int64_t count = 0;
    for (std::size_t i = 0; i < kCountBytes; ++i) count = count * 256 + reply[kCountFirst + i];
    if (count == 0) return std::nullopt;
    return count * 5 / kStepsPer5Hz;
}

}  // namespace yaesu

namespace {

using yaesu::block;

constexpr std::int16_t kSplit = 0x01;
constexpr std::int16_t kSelectVfo = 0x05;
constexpr std::int16_t kSetMode = 0x0C;
constexpr std::int16_t kSetFrequency = 0x0A;
constexpr std::int16_t kReadStatus = 0x10;
constexpr std::int16_t kVfoA = 0;
constexpr std::int16_t kVfoB = 1;

bool pair(const Station& station) {
    return sameRadioBothPositions(station.sat);
}

// The uplink of a pair is on VFO B; everything else on VFO A.
std::int16_t vfoOf(const Station& station, int side) {
    return side == 0 && pair(station) ? kVfoB : kVfoA;
}

// A block whose one parameter is P4.
std::vector<std::int16_t> withP4(std::int16_t command, std::int16_t p4) {
    return block(command, {0, 0, 0, p4});
}

std::optional<std::vector<std::int16_t>> frequencyBlock(const Station& station) {
    const auto params =
        yaesu::frequencyParams(yaesu::FrequencyForm::LeastFirst, station.radio.catFreq);
    if (!params) return std::nullopt;
    return block(kSetFrequency, *params);
}

void readBack(Station& station, int side) {
    const std::int16_t radio = side == 0 ? 1 : 2;
    const std::int16_t vfo = vfoOf(station, side);
    sendCatBytes(station, radio, withP4(kSelectVfo, vfo));
    const std::vector<std::uint8_t> reply = queryCatBytes(station, radio, block(kReadStatus));
    if (station.link.diagnostic) {
        dump(station);
    } else if (const auto hz = yaesu::decodeFt100Status(reply)) {
        acceptReadback(station, side, *hz);
    } else {
        refuseReadback(station);
    }
    if (vfo != kVfoA) sendCatBytes(station, radio, withP4(kSelectVfo, kVfoA));
}

}  // namespace

void init_ft100(Station& station, const RadioType&) {
    const std::int16_t radio = servedRadio(station);
    sendCatBytes(station, radio, withP4(kSplit, pair(station) ? 1 : 0));
    sendCatBytes(station, radio, withP4(kSelectVfo, vfoOf(station, station.radio.catSide)));
    sendCatBytes(station, radio,
                 withP4(kSetMode, yaesu::modeCode(yaesu::kFt100Modes, servedMode(station))));
}

void ft_100_tx(Station& station, const RadioType&) {
    if (servedLinkInhibited(station)) return;
    const auto frequency = frequencyBlock(station);
    if (!frequency) return;
    sendCatBytes(station, 1, withP4(kSelectVfo, vfoOf(station, 0)));
    sendCatBytes(station, 1, *frequency);
    sendCatBytes(station, 1, withP4(kSelectVfo, kVfoA));
}

void ft_100_rx(Station& station, const RadioType&) {
    if (servedLinkInhibited(station)) return;
    const auto frequency = frequencyBlock(station);
    if (!frequency) return;
    sendCatBytes(station, 2, withP4(kSelectVfo, kVfoA));
    sendCatBytes(station, 2, *frequency);
}

void readback_ft100_rx(Station& station, const RadioType&) {
    readBack(station, 1);
}

void readback_ft100_tx(Station& station, const RadioType&) {
    readBack(station, 0);
}

}  // namespace orvant
