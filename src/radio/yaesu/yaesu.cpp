#include "radio/yaesu/yaesu.h"

#include <array>
#include <optional>
#include <vector>

#include "controller/cat_message.h"
#include "controller/timerx.h"
#include "radio/radio_drivers.h"
#include "radio/read_back.h"
#include "radio/yaesu/five_byte.h"
#include "radio/yaesu/ft736_dial.h"
#include "radio/yaesu/yaesu_modes.h"
#include "station/station.h"

namespace orvant {

namespace {

using yaesu::block;
using yaesu::FrequencyForm;

// A command byte by position: uplink, downlink.
using ByPosition = std::array<std::int16_t, 2>;

// How one model is set up and tuned. "Shared": one radio fills both positions.
struct Model {
    bool setUpWhenShared;
    std::int16_t setUpDelayMs;
    std::int16_t catOnDelayMs;
    // The block after CAT on: satellite mode (shared) or its plain counterpart (alone).
    std::optional<std::array<std::int16_t, 2>> satelliteAloneShared;
    bool confirmSatellite;  // 00 00 00 00 88 follows the satellite block
    std::array<const yaesu::ModeTable*, 2> modes;
    ByPosition modeShared, modeAlone;
    ByPosition frequencyShared, frequencyAlone;
    FrequencyForm form;
    std::int16_t uplinkPauseMs;  // a pause before each uplink frequency
    std::int16_t uplinkDelayMs;
    std::int16_t downlinkSetUpPauseMs;
};

constexpr std::int16_t kSatelliteDelayMs = 200;
constexpr std::int16_t kConfirm = 0x88;

const Model kFt736{.setUpWhenShared = true,
                   .setUpDelayMs = kCatDelayMs,
                   .catOnDelayMs = 200,
                   .satelliteAloneShared = {{yaesu::kCatOn, 0x0E}},
                   .confirmSatellite = true,
                   .modes = {&yaesu::kFt736Modes, &yaesu::kFt736Modes},
                   .modeShared = {0x27, 0x17},
                   .modeAlone = {0x07, 0x07},
                   .frequencyShared = {0x2E, 0x1E},
                   .frequencyAlone = {0x01, 0x01},
                   .form = FrequencyForm::Ft736,
                   .uplinkPauseMs = kCatDelayMs,
                   .uplinkDelayMs = kCatDelayMs,
                   .downlinkSetUpPauseMs = kCatDelayMs};

const Model kFt847{.setUpWhenShared = true,
                   .setUpDelayMs = kCatDelayMs,
                   .catOnDelayMs = 200,
                   .satelliteAloneShared = {{0x8E, 0x4E}},
                   .confirmSatellite = false,
                   .modes = {&yaesu::kFt847Modes, &yaesu::kFt847Modes},
                   .modeShared = {0x27, 0x17},
                   .modeAlone = {0x07, 0x07},
                   .frequencyShared = {0x21, 0x11},
                   .frequencyAlone = {0x01, 0x01},
                   .form = FrequencyForm::MostFirst,
                   .uplinkPauseMs = 0,
                   .uplinkDelayMs = 150,
                   .downlinkSetUpPauseMs = 0};

const Model kFt757{.setUpWhenShared = false,
                   .setUpDelayMs = 50,
                   .catOnDelayMs = 50,
                   .satelliteAloneShared = std::nullopt,
                   .confirmSatellite = false,
                   .modes = {&yaesu::kFt736Modes, &yaesu::kFt757DownlinkModes},
                   .modeShared = {0x27, 0x17},
                   .modeAlone = {0x27, 0x17},
                   .frequencyShared = {0x0A, 0x0A},
                   .frequencyAlone = {0x0A, 0x0A},
                   .form = FrequencyForm::MostFirst,
                   .uplinkPauseMs = 0,
                   .uplinkDelayMs = kCatDelayMs,
                   .downlinkSetUpPauseMs = 0};

void sendBlock(Station& station, const std::vector<std::int16_t>& message, std::int16_t delayMs) {
    sendCatBytes(station, servedRadio(station), message, 1, delayMs);
}

void setUp(Station& station, const Model& model) {
    const bool shared = sameRadioBothPositions(station.sat);
    if (shared && !model.setUpWhenShared) return;
    const int side = station.radio.catSide;
    if (side == 1 && model.downlinkSetUpPauseMs > 0) timerx(station, model.downlinkSetUpPauseMs);
    sendBlock(station, block(yaesu::kCatOn), model.catOnDelayMs);
    if (model.satelliteAloneShared)
        sendBlock(station, block((*model.satelliteAloneShared)[shared ? 1 : 0]), kSatelliteDelayMs);
    if (model.confirmSatellite) sendBlock(station, block(kConfirm), kCatDelayMs);
    const std::int16_t mode = yaesu::modeCode(*model.modes[side], servedMode(station));
    sendBlock(station, block((shared ? model.modeShared : model.modeAlone)[side], {mode, 0, 0, 0}),
              model.setUpDelayMs);
}

void tune(Station& station, const Model& model) {
    if (servedLinkInhibited(station)) return;
    const auto params = yaesu::frequencyParams(model.form, station.radio.catFreq);
    if (!params) return;
    const int side = station.radio.catSide;
    const bool shared = sameRadioBothPositions(station.sat);
    if (side == 0 && model.uplinkPauseMs > 0) timerx(station, model.uplinkPauseMs);
    sendBlock(station,
              block((shared ? model.frequencyShared : model.frequencyAlone)[side], *params),
              side == 0 ? model.uplinkDelayMs : kCatDelayMs);
}

}  // namespace

void init736(Station& station, const RadioType&) {
    // Out of CAT control the radio is the operator's until one of its links is released.
    if (ft736OutOfCat(station, station.radio.catSide)) return;
    setUp(station, kFt736);
}

void init847(Station& station, const RadioType&) {
    setUp(station, kFt847);
}

void init_757(Station& station, const RadioType&) {
    setUp(station, kFt757);
}

void ft736(Station& station, const RadioType&) {
    tune(station, kFt736);
}

void FT847(Station& station, const RadioType&) {
    tune(station, kFt847);
}

void FT757(Station& station, const RadioType&) {
    tune(station, kFt757);
}

const yaesu::ModeTable* setUpModes(RadioDriver driver, int side, bool shared) {
    const auto ofModel = [side, shared](const Model& model) {
        return shared && !model.setUpWhenShared ? nullptr : model.modes[side];
    };
    switch (driver) {
        case RadioDriver::Ft736:
            return ofModel(kFt736);
        case RadioDriver::Ft847:
            return ofModel(kFt847);
        case RadioDriver::Ft757:
            return ofModel(kFt757);
        case RadioDriver::Ft100:
            return &yaesu::kFt100Modes;
        default:
            return nullptr;
    }
}

void readback_847(Station& station, const RadioType&, int side) {
    constexpr ByPosition kReadShared{0x23, 0x13};
    constexpr std::int16_t kReadAlone = 0x03;
    const std::int16_t radio = side == 0 ? 1 : 2;
    const std::int16_t query = sameRadioBothPositions(station.sat) ? kReadShared[side] : kReadAlone;
    const std::vector<std::uint8_t> reply = queryCatBytes(station, radio, block(query));
    const auto hz = yaesu::decodeFrequency(FrequencyForm::MostFirst, reply);
    // A radio that does not answer leaves the reply bytes at 0: no dial at 0 Hz.
    if (hz && *hz > 0)
        acceptReadback(station, side, *hz);
    else
        refuseReadback(station);
    sendCatBytes(station, radio, block(kConfirm));
}

}  // namespace orvant
