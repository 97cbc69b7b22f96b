#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "radio/radio_types.h"
#include "radio/yaesu/five_byte.h"
#include "radio/yaesu/ft736_dial.h"
#include "radio/yaesu/yaesu_modes.h"
#include "support/radio_station.h"

namespace orvant {
namespace {

using testing::bytesOf;
using testing::civ;
using testing::Messages;
using testing::on;
using testing::operator+;
using testing::RadioScenes;
using testing::RadioStation;
using testing::SceneCase;
using yaesu::FrequencyForm;

struct FrequencyCase {
    std::string name;
    FrequencyForm form;
    std::string text;
    std::optional<std::string> params;  // nothing: refused
};

class FiveByteFrequency : public ::testing::TestWithParam<FrequencyCase> {};

TEST_P(FiveByteFrequency, FillsTheFieldInTensOfHertzOrRefusesTheText) {
    const FrequencyCase& c = GetParam();
    const auto params = yaesu::frequencyParams(c.form, c.text);
    ASSERT_EQ(params.has_value(), c.params.has_value());
    if (!params) return;
    EXPECT_EQ(testing::hexBytes(*params), *c.params);
    const std::vector<std::uint8_t> wire(params->begin(), params->end());
    EXPECT_EQ(yaesu::decodeFrequency(c.form, wire), std::stoll(c.text) / 10 * 10);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, FiveByteFrequency, ::testing::Values(
    FrequencyCase{"Ft736Uhf", FrequencyForm::Ft736, "435123456", "43 51 23 45"},
    FrequencyCase{"Ft736TwoMetres", FrequencyForm::Ft736, "145900000", "14 59 00 00"},
    // The 23 cm form carries the tens-of-MHz digit after C0, and keeps the 10 Hz steps.
    FrequencyCase{"Ft736TwentyThreeCentimetres", FrequencyForm::Ft736, "1269500000", "C6 95 00 00"},
    FrequencyCase{"Ft736TenDigitsOutside23cm", FrequencyForm::Ft736, "1300000000", std::nullopt},
    FrequencyCase{"Ft736ElevenDigits", FrequencyForm::Ft736, "12695000000", std::nullopt},
    FrequencyCase{"TenMetresPadded", FrequencyForm::MostFirst, "29400000", "02 94 00 00"},
    FrequencyCase{"SevenDigitsPadded", FrequencyForm::MostFirst, "7100000", "00 71 00 00"},
    FrequencyCase{"NineDigitFieldRefusesTen", FrequencyForm::MostFirst, "1296000000", std::nullopt},
    FrequencyCase{"LeastSignificantFirst", FrequencyForm::LeastFirst, "145900000", "00 00 59 14"},
    FrequencyCase{"LeastFirstEightDigitsPadded", FrequencyForm::LeastFirst, "14250000", "00 50 42 01"},
    FrequencyCase{"NotDigits", FrequencyForm::LeastFirst, "1459x0000", std::nullopt}),
    [](const auto& info) { return info.param.name; });
// clang-format on

struct ModeCase {
    std::string name;
    const yaesu::ModeTable* table;
    std::string text;
    std::int16_t code;
};

class YaesuModeTexts : public ::testing::TestWithParam<ModeCase> {};

TEST_P(YaesuModeTexts, FollowTheRowsOfTheModel) {
    const ModeCase& c = GetParam();
    EXPECT_EQ(yaesu::modeCode(*c.table, c.text), c.code);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Models, YaesuModeTexts, ::testing::Values(
    ModeCase{"Ft736TrimmedNarrowFm", &yaesu::kFt736Modes, " FM-N ", 0x88},
    ModeCase{"Ft736NarrowCw", &yaesu::kFt736Modes, "CWN", 0x82},
    ModeCase{"Ft736EmptyIsFm", &yaesu::kFt736Modes, "", 0x08},
    ModeCase{"Ft736OtherTextIsFm", &yaesu::kFt736Modes, "CW(N)", 0x08},
    ModeCase{"Ft847NarrowCwReverse", &yaesu::kFt847Modes, "CW-R(N)", 0x83},
    ModeCase{"Ft847NarrowFm", &yaesu::kFt847Modes, "FM(N)", 0x88},
    ModeCase{"Ft847NarrowCwWithoutBracketsIsOtherText", &yaesu::kFt847Modes, "CWN", 0x88},
    ModeCase{"Ft847WideFmIsOtherText", &yaesu::kFt847Modes, "FMW", 0x88},
    ModeCase{"Ft757DownlinkWideCw", &yaesu::kFt757DownlinkModes, "CWW", 0x12},
    ModeCase{"Ft757DownlinkNarrowFm", &yaesu::kFt757DownlinkModes, "FM-N", 0x17},
    ModeCase{"Ft757DownlinkPlainCwIsOtherText", &yaesu::kFt757DownlinkModes, "CW", 0x08},
    ModeCase{"Ft100Data", &yaesu::kFt100Modes, "DIG", 5},
    ModeCase{"Ft100WideFm", &yaesu::kFt100Modes, "W-FM", 7},
    ModeCase{"Ft100DataSidebandIsOtherText", &yaesu::kFt100Modes, "USB-D", 6}),
    [](const auto& info) { return info.param.name; });
// clang-format on

const Messages kFt736SharedSetUp =
    on(1, {"00 00 00 00 00", "00 00 00 00 0E", "00 00 00 00 88", "01 00 00 00 27", "00 00 00 00 00",
           "00 00 00 00 0E", "00 00 00 00 88", "00 00 00 00 17"});
const Messages kFt847SharedSetUp = on(1, {"00 00 00 00 00", "00 00 00 00 4E", "01 00 00 00 27",
                                          "00 00 00 00 00", "00 00 00 00 4E", "00 00 00 00 17"});
const Messages kFt100PairSetUp = on(1, {"00 00 00 01 01", "00 00 00 01 05", "00 00 00 01 0C",
                                        "00 00 00 01 01", "00 00 00 00 05", "00 00 00 00 0C"});

// clang-format off
INSTANTIATE_TEST_SUITE_P(YaesuAndAorCodes, RadioScenes, ::testing::Values(
    SceneCase{"Ft736TwentyThreeCentimetreUplink", 1, 1, 1, 1, kFt736SharedSetUp,
        on(1, {"C6 95 00 00 2E", "14 59 00 00 1E"}), false, false, "1269500000"},
    SceneCase{"Ft736UplinkBesideAnotherModel", 1, 0, 2, 1,
        on(2, {"00 00 00 00 00", "00 00 00 00 00", "00 00 00 00 88", "01 00 00 00 07"}),
        on(2, {"43 51 23 45 01"})},
    SceneCase{"Ft736DownlinkInhibited", 1, 1, 1, 1, kFt736SharedSetUp, on(1, {"43 51 23 45 2E"}),
        false, true},
    SceneCase{"Ft847UplinkInhibited", 2, 2, 1, 1, kFt847SharedSetUp, on(1, {"14 59 00 00 11"}),
        true, false},
    SceneCase{"Ft847TextTooLongForTheField", 2, 2, 1, 1, kFt847SharedSetUp,
        on(1, {"14 59 00 00 11"}), false, false, "1296000000"},
    SceneCase{"Ft100PairSplitUplinkOnVfoB", 23, 23, 1, 1, kFt100PairSetUp,
        on(1, {"00 00 00 01 05", "45 23 51 43 0A", "00 00 00 00 05", "00 00 00 00 05",
               "00 00 59 14 0A"})},
    // The FT-100 takes its frequency as eight BCD digits of 10 Hz steps, the least significant
    // pair first: 145.896898 MHz is 14 589 689 steps (the 8 Hz below a step dropped), digits
    // 14 58 96 89, sent 89 96 58 14.
    SceneCase{"Ft100DownlinkInTensOfHertz", 0, 23, 1, 1,
        on(1, {"00 00 00 00 01", "00 00 00 00 05", "00 00 00 00 0C"}),
        on(1, {"00 00 00 00 05", "89 96 58 14 0A"}), false, false, "435123456", "145896898"},
    SceneCase{"Ft100UplinkInhibited", 23, 23, 1, 1, kFt100PairSetUp,
        on(1, {"00 00 00 00 05", "00 00 59 14 0A"}), true, false},
    SceneCase{"Ar5000DownlinkInhibited", 0, 35, 1, 2, {}, {}, false, true},
    SceneCase{"Ar5000TextTooLongForTheField", 0, 35, 1, 2, {}, {}, false, false, "435123456",
        "14590000000", false}),
    [](const auto& info) { return info.param.name; });
// clang-format on

struct Ar5000SetUpCase {
    std::string name, modeText;
    Messages lines;
    std::string caption;
    std::vector<std::string> boxes;
};

class Ar5000SetUp : public ::testing::TestWithParam<Ar5000SetUpCase> {};

// Every set-up, the first after the program starts included, sends the command lines of the
// downlink mode text.
TEST_P(Ar5000SetUp, EverySetUpSendsTheModeTextsCommands) {
    const Ar5000SetUpCase& c = GetParam();
    RadioStation s(0, 35, 1, 2);
    s.station.sat.downlinkMode = c.modeText;
    s.display.setCaption("lbl_DnMode", "as before");
    radioinit(s.station);
    EXPECT_EQ(s.relayedSince(0), c.lines);
    EXPECT_EQ(s.display["lbl_DnMode"].caption, c.caption);
    EXPECT_EQ(s.alerts.boxes, c.boxes);
}

const std::string k41 = std::string(39, 'A') + "T0";
const std::string k42 = std::string(40, 'A') + "T0";

// clang-format off
INSTANTIATE_TEST_SUITE_P(ModeTexts, Ar5000SetUp, ::testing::Values(
    Ar5000SetUpCase{"FourCommandsTheFourthFm", "AU0,AT0,VA,MD0",
        on(2, {"AU0\r", "AT0\r", "VA\r", "MD0\r"}), "FM", {}},
    Ar5000SetUpCase{"TrimmedAndOnlyFiveOfSix", " AU0 , AT0,VA,MD4,BW1,ST1 ",
        on(2, {"AU0\r", "AT0\r", "VA\r", "MD4\r", "BW1\r"}), "CW", {}},
    Ar5000SetUpCase{"NoFourthCommand", "AU0,MD3", on(2, {"AU0\r", "MD3\r"}), "as before", {}},
    Ar5000SetUpCase{"NoComma", "MD3", {}, "as before", {}},
    Ar5000SetUpCase{"CommandTooLongForOneMessage", "AU0," + k41 + "," + k42 + ",MD2",
        on(2, {"AU0\r", k41 + "\r", "MD2\r"}), "LSB",
        {"The AR5000 set-up command \"" + k42 + "\" is longer than 41 characters and was not "
         "sent."}}),
    [](const auto& info) { return info.param.name; });
// clang-format on

struct CatControlCase {
    std::string name;
    std::int16_t up, down, upPort, downPort;
    // What the card relays after each step: downlink inhibited, uplink inhibited, downlink
    // released, uplink released.
    std::array<Messages, 4> steps;
};

class Ft736CatControl : public ::testing::TestWithParam<CatControlCase> {};

// An FT-736R leaves CAT control once every link it serves is inhibited and is set up again when
// one of them is released; a radio whose link is still tuned, and radios of other makers, hear
// none of it.
TEST_P(Ft736CatControl, FollowsTheInhibitsOfTheLinksItServes) {
    const CatControlCase& c = GetParam();
    RadioStation s(c.up, c.down, c.upPort, c.downPort);
    radioinit(s.station);
    const std::pair<const char*, ControlEvent> steps[] = {
        {"Lbl_inhibit_rx", ControlEvent::DblClick},
        {"lbl_inhibit_tx", ControlEvent::DblClick},
        {"Lbl_inhibit_rx", ControlEvent::Click},
        {"lbl_inhibit_tx", ControlEvent::Click}};
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
        const std::size_t before = s.card.relayed().size();
        s.display.fire(steps[i].first, steps[i].second);
        EXPECT_EQ(s.relayedSince(before, true), c.steps[i]) << "step " << i;
    }
}

const Messages kCatOff = {"00 00 00 00 80"};
// An FT-736R alone in its position: CAT on, its plain counterpart of the satellite mode, 88, and
// the mode (uplink USB 01, downlink LSB 00) with the plain command.
const Messages kFt736AloneUplinkSetUp = {"00 00 00 00 00", "00 00 00 00 00", "00 00 00 00 88",
                                         "01 00 00 00 07"};
const Messages kFt736AloneDownlinkSetUp = {"00 00 00 00 00", "00 00 00 00 00", "00 00 00 00 88",
                                           "00 00 00 00 07"};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Positions, Ft736CatControl, ::testing::Values(
    CatControlCase{"SharedFt736", 1, 1, 1, 1,
        {Messages{}, on(1, {"00 00 00 00 80", "00 00 00 00 80"}), kFt736SharedSetUp, Messages{}}},
    CatControlCase{"Ft736UplinkIc821Downlink", 1, 15, 1, 2,
        {Messages{}, on(1, kCatOff), Messages{}, on(1, kFt736AloneUplinkSetUp)}},
    CatControlCase{"Ft736DownlinkIc910Uplink", 27, 1, 2, 1,
        {on(1, kCatOff), Messages{}, on(1, kFt736AloneDownlinkSetUp), Messages{}}},
    CatControlCase{"NoFt736", 2, 27, 1, 2, {}}),
    [](const auto& info) { return info.param.name; });
// clang-format on

// A pass's set-up leaves an FT-736R whose links are all inhibited out of CAT control; the other
// radio is set up as always.
TEST(Ft736CatControl, SetUpLeavesARadioWithEveryLinkInhibitedAlone) {
    for (const auto& [down, relayed] :
         {std::pair{std::int16_t{1}, Messages{}},
          std::pair{std::int16_t{15}, civ(2, "4C", {"07 D0", "07 00", "06 00"})}}) {
        RadioStation s(1, down, 1, 2);
        s.station.radio.txInhibit = true;
        s.station.radio.rxInhibit = down == 1;
        radioinit(s.station);
        EXPECT_EQ(s.relayedSince(0, true), relayed) << down;
    }
}

struct TypedDialCase {
    std::string name, label, box, typed;
    double upBase, downBase;  // after the dial was taken
};

class Ft736TypedDial : public ::testing::TestWithParam<TypedDialCase> {};

// The FT-736R's dial is typed in while the radio is out of CAT control; the bases are re-centred
// on it and the radio is set up again.
TEST_P(Ft736TypedDial, ReCentresOnTheTypedFrequency) {
    const TypedDialCase& c = GetParam();
    RadioStation s(1, 1);
    radioinit(s.station);
    s.send("435123456", "145900000");
    const std::size_t before = s.card.relayed().size();
    s.post(1000, InputKind::Keys, c.box, c.typed + "\r");
    s.display.fire(c.label, ControlEvent::DblClick);
    EXPECT_NEAR(s.station.sat.uplinkMHz, c.upBase, 1e-9);
    EXPECT_NEAR(s.station.sat.downlinkMHz, c.downBase, 1e-9);
    EXPECT_EQ(s.relayedSince(before, true),
              on(1, {"00 00 00 00 80", "00 00 00 00 80"}) + kFt736SharedSetUp);
    EXPECT_FALSE(s.station.radio.rxInhibit || s.station.radio.txInhibit);
    EXPECT_FALSE(s.display["lbl_736_freq_left"].visible || s.display[c.box].visible);
    EXPECT_EQ(s.alerts.beeps, 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Entries, Ft736TypedDial, ::testing::Values(
    TypedDialCase{"UplinkReadBack", "lbl_Up_read", "txt_uplink", "435.2", 435.2, 145.900001},
    TypedDialCase{"DownlinkReadBack", "lbl_down_read", "txt_736_freq", "145.95", 435.123457,
        145.95},
    TypedDialCase{"FullDopplerTuning", "lbl_fdt", "txt_736_freq", "145.91", 435.123457, 145.91}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST(Ft736TypedDial, FullDopplerTuningEndsWithTheVoiceSliderAtZero) {
    RadioStation s(1, 1);
    radioinit(s.station);
    s.display["hs_DnFine"].value = 5;
    s.post(1000, InputKind::Keys, "txt_736_freq", "145.91\r");
    s.display.fire("lbl_fdt", ControlEvent::DblClick);
    EXPECT_EQ(s.display["hs_DnFine"].value, 0);
    EXPECT_TRUE(s.display["lbl_voice"].visible && s.display["hs_DnFine"].visible);
    EXPECT_FALSE(s.display["lbl_get_dnfreq"].visible);
}

TEST(SimulatedYaesu, DialsFollowTheBlocksWhileUnderCatControl) {
    // Out of CAT control the FT-736R hears nothing but CAT on.
    RadioStation ft736(1, 1);
    ft736.setUpAndTune("435123456", "145900000");
    yaesu_exit(ft736.station, 0);
    ft736.send("435000000", "145000000");
    const sim::RadioDial& dial = ft736.radios.radioOf(1)->dial();
    EXPECT_FALSE(dial.catOn);
    EXPECT_EQ(dial.vfo(sim::RadioDial::kMain, sim::RadioDial::kVfoA).hz, 145900000);

    // The AR5000 is tuned by its frequency lines.
    RadioStation ar5000(0, 35);
    ar5000.setUpAndTune("435123456", "145912345");
    EXPECT_EQ(ar5000.radios.radioOf(35)->dial().vfo(0, 0).hz, 145912345);
}

}  // namespace
}  // namespace orvant
