#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "radio/icom/civ.h"
#include "radio/icom/icom_modes.h"
#include "radio/radio_reset.h"
#include "support/radio_station.h"

namespace orvant {
namespace {

using testing::bytesOf;
using testing::civ;
using testing::Messages;
using testing::operator+;
using testing::RadioScenes;
using testing::RadioStation;
using testing::SceneCase;

constexpr const char* kUpHz = "435123456";
constexpr const char* kDownHz = "145900000";
const std::string kUpBcd = "05 56 34 12 35 04";
const std::string kDownBcd = "05 00 00 90 45 01";

struct BcdCase {
    std::string name, text;
    std::optional<std::string> bytes;  // nothing: refused
};

class PackedBcd : public ::testing::TestWithParam<BcdCase> {};

TEST_P(PackedBcd, EncodesTenDigitsLeastSignificantPairFirst) {
    const BcdCase& c = GetParam();
    const auto data = civ::frequencyData(c.text);
    ASSERT_EQ(data.has_value(), c.bytes.has_value());
    if (!data) return;
    EXPECT_EQ(testing::hexBytes(*data), *c.bytes);
    std::vector<std::uint8_t> wire(data->begin(), data->end());
    EXPECT_EQ(civ::decodeFrequencyData(wire), std::stoll(c.text));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, PackedBcd, ::testing::Values(
    BcdCase{"TwoMetres", "145900000", "00 00 90 45 01"},
    BcdCase{"TwentyThreeCentimetres", "1269500000", "00 00 50 69 12"},
    BcdCase{"SeventyCentimetres", "435123456", "56 34 12 35 04"},
    BcdCase{"SevenDigitsPadded", "1450000", "00 00 45 01 00"},
    BcdCase{"ElevenDigits", "14590000000", std::nullopt},
    BcdCase{"NotDigits", "1459x0000", std::nullopt}),
    [](const auto& info) { return info.param.name; });
// clang-format on

struct AnswerCase {
    std::string name, reply;
    std::optional<std::int64_t> hz;
};

class FrequencyAnswer : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(FrequencyAnswer, DecodesOnlyAWholeAnswerFromTheRadiosAddress) {
    const AnswerCase& c = GetParam();
    EXPECT_EQ(civ::decodeFrequencyAnswer(bytesOf(c.reply), 0x60), c.hz);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Replies, FrequencyAnswer, ::testing::Values(
    AnswerCase{"FromTheRadio", "FE FE E0 60 03 00 00 50 69 12 FD 00 00", 1269500000},
    AnswerCase{"FromAnotherAddress", "FE FE E0 4C 03 00 00 90 45 01 FD", std::nullopt},
    AnswerCase{"WrongHeader", "FE FD E0 60 03 00 00 90 45 01 FD", std::nullopt},
    AnswerCase{"OtherCommand", "FE FE E0 60 05 00 00 90 45 01 FD", std::nullopt},
    AnswerCase{"NibbleAboveNine", "FE FE E0 60 03 00 00 9A 45 01 FD", std::nullopt},
    AnswerCase{"NoEndByte", "FE FE E0 60 03 00 00 90 45 01 00", std::nullopt},
    // Eleven bytes make the answer; a twelfth before the end byte is no frequency answer.
    AnswerCase{"LongerThanTheAnswer", "FE FE E0 60 03 00 00 90 45 01 00 FD", std::nullopt}),
    [](const auto& info) { return info.param.name; });
// clang-format on

struct ModeCase {
    std::string name;
    icom::ModeBytes (*table)(std::string_view);
    std::string text;
    std::int16_t mode, filter;
};

class ModeTexts : public ::testing::TestWithParam<ModeCase> {};

TEST_P(ModeTexts, PickTheNearestModeOfTheModel) {
    const ModeCase& c = GetParam();
    const icom::ModeBytes bytes = c.table(c.text);
    EXPECT_EQ(bytes.mode, c.mode);
    EXPECT_EQ(bytes.filter, c.filter);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Models, ModeTexts, ::testing::Values(
    ModeCase{"TransceiverTrimmedNarrowCwReverse", icom::transceiverMode, " CW-R(N) ", 3, 0},
    ModeCase{"TransceiverNarrowAm", icom::transceiverMode, "AM(N)", 2, 0},
    ModeCase{"TransceiverUnknownIsFm", icom::transceiverMode, "DIG", 5, 0},
    ModeCase{"R8500NarrowCw", icom::r8500Mode, "CW(N)", 3, 2},
    ModeCase{"R8500EmptyIsFm", icom::r8500Mode, "", 5, 1},
    ModeCase{"R7000SidebandIsFm", icom::r7000Mode, "LSB", 5, 0},
    ModeCase{"R7000WideFm", icom::r7000Mode, "FMW", 5, 1},
    ModeCase{"R9000WideFm", icom::r9000Mode, "FMW", 6, 0}),
    [](const auto& info) { return info.param.name; });
// clang-format on

// The IC-910 pair: uplink on the sub band, downlink on the main band, no VFO select, satellite
// mode.
const Messages kIc910PairSetUp =
    civ(1, "60", {"07 D1", "0F 00", "06 01", "1A 07 01", "07 D0", "06 00", "1A 07 01"});
const Messages kR8500SetUp = civ(1, "4A", {"06 01 01"});

// clang-format off
INSTANTIATE_TEST_SUITE_P(IcomCodes, RadioScenes, ::testing::Values(
    SceneCase{"Ic910UplinkAloneOnItsMainBand", 27, 0, 1, 1,
        civ(1, "60", {"07 D0", "0F 00", "06 01"}), civ(1, "60", {"07 D0", kUpBcd})},
    SceneCase{"Ic821DownlinkAloneOnItsMainBand", 0, 15, 1, 2,
        civ(2, "4C", {"07 D0", "07 00", "06 00"}), civ(2, "4C", {"07 D0", "07 00", kDownBcd})},
    SceneCase{"Ic271UpIc471DownOnTwoChannels", 10, 11, 1, 2,
        civ(1, "20", {"0F 00", "07 00", "06 01"}) + civ(2, "22", {"07 00", "06 00"}),
        civ(1, "20", {"07 00", kUpBcd}) + civ(2, "22", {"07 00", kDownBcd})},
    SceneCase{"ShortTextPaddedLongTextRefused", 31, 31, 1, 1,
        civ(1, "04", {"0F 00", "07 00", "06 01", "07 00", "06 00"}),
        civ(1, "04", {"07 00", "05 00 00 45 01 00"}), false, false, "1450000", "14590000000"},
    SceneCase{"Ic910UplinkInhibited", 27, 27, 1, 1, kIc910PairSetUp,
        civ(1, "60", {"07 D0", kDownBcd}), true, false},
    SceneCase{"R8500DownlinkInhibited", 3, 3, 1, 1, kR8500SetUp, civ(1, "4A", {kUpBcd}), false,
        true}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST(IcomReceivers, R8500ShowsSimplexOnlyForANarrowTransponder) {
    for (const auto& [downMHz, shown] : {std::pair{435.9, true}, std::pair{145.9, false}}) {
        RadioStation s(3, 3);
        s.station.sat.uplinkMHz = 435.1;
        s.station.sat.downlinkMHz = downMHz;
        radioinit(s.station);
        EXPECT_EQ(s.display["lbl_simplex"].visible, shown) << downMHz;
        EXPECT_EQ(s.display["lbl_simplex"].caption, shown ? "Split Mode (Simplex)" : "");
    }
}

TEST(IcomShutdown, Ic970UplinkLeavesItsMainBandForTheMemoryChannel) {
    RadioStation s(9, 0);
    s.station.cfg.memoryChannel = "123";
    radioinit(s.station);
    const std::size_t before = s.card.relayed().size();
    resetRadios(s.station);
    EXPECT_EQ(s.relayedSince(before, true), civ(1, "2E", {"07 D0", "0F 10", "08 7B"}));
}

TEST(SimulatedCiv, TwoRadiosOnOneChannelEachTakeOnlyTheirOwnFrequency) {
    RadioStation shared(10, 11);
    radioinit(shared.station);
    shared.send(kUpHz, kDownHz);
    EXPECT_EQ(shared.radios.radioOf(10)->dial().vfo(0, 0).hz, 435123456);
    EXPECT_EQ(shared.radios.radioOf(11)->dial().vfo(0, 0).hz, 145900000);
}

}  // namespace
}  // namespace orvant
