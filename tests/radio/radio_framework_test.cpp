#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "radio/catcontrol.h"
#include "radio/radio_init.h"
#include "radio/radio_reset.h"
#include "station/handoff.h"
#include "station/program_end.h"
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

constexpr const char* kUpHz = "435123456";
constexpr const char* kDownHz = "145900000";

struct PositionCase {
    std::string name;
    std::int16_t up, down, upPort, downPort;
    std::string upHz, downHz;
    Messages setUp, sends, shutdown;
    std::string upCaption, downCaption;
    std::int16_t upFamily, downFamily, slot60;
    bool hex = false;  // the messages in hexadecimal, else as text
};

class RadioPositions : public ::testing::TestWithParam<PositionCase> {};

// Set-up, one send and the shutdown's messages of every type code in each position it takes.
TEST_P(RadioPositions, SetUpSendAndShutdownFollowTheTypeTable) {
    const PositionCase& c = GetParam();
    RadioStation s(c.up, c.down, c.upPort, c.downPort);
    s.station.cfg.memoryChannel = "123";
    radioinit(s.station);
    EXPECT_EQ(s.relayedSince(0, c.hex), c.setUp);
    EXPECT_EQ(s.display["lbl_radio_up"].caption, c.upCaption);
    EXPECT_EQ(s.display["lbl_radio_dn"].caption, c.downCaption);
    EXPECT_EQ(s.station.radio.uplinkFamily, c.upFamily);
    EXPECT_EQ(s.station.radio.downlinkFamily, c.downFamily);
    EXPECT_EQ(s.slot(60), c.slot60);
    EXPECT_EQ(s.slot(61), 10);

    std::size_t before = s.card.relayed().size();
    s.send(c.upHz, c.downHz);
    EXPECT_EQ(s.relayedSince(before, c.hex), c.sends);
    EXPECT_TRUE(s.station.link.catcontrolUsed);

    before = s.card.relayed().size();
    resetRadios(s.station);
    EXPECT_EQ(s.relayedSince(before, c.hex), c.shutdown);
}

const std::string kSatModeOn = "1:DC11;RX0;AI0;RC;SA1011000;";
const std::string kSatModeOff = "DC00;RX0;AI0;RC;SA0000000;";
const Messages kTs2000Reset{"SA0000000;", "FR0;FA00016000000;"};
const std::string kUpBcd = "05 56 34 12 35 04";
const std::string kDownBcd = "05 00 00 90 45 01";
const Messages kFiveByteReset{"00 00 00 00 8E", "00 00 00 00 88", "00 00 00 00 80"};
const std::vector<std::string> kCivUplinkReset{"07 D0", "0F 10", "08 7B"};

// An Icom transceiver in both positions: uplink on the main band, downlink on the sub band
// (dual-band models), each on its VFO.
PositionCase icomBothPositions(std::int16_t code, const std::string& address, bool dualBand,
                               const std::string& name, const std::string& downName = "") {
    const auto band = [dualBand](const char* select) {
        return dualBand ? std::vector<std::string>{select} : std::vector<std::string>{};
    };
    const auto join = [](std::vector<std::string> first, const std::vector<std::string>& then) {
        return first.insert(first.end(), then.begin(), then.end()), first;
    };
    const std::string down = downName.empty() ? name : downName;
    std::string testName;
    std::copy_if(name.begin(), name.end(), std::back_inserter(testName),
                 [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
    // clang-format off
    return {testName, code, code, 1, 1, kUpHz, kDownHz,
            civ(1, address, join(join(band("07 D0"), {"0F 00", "07 00", "06 01"}),
                                 join(band("07 D1"), {"07 00", "06 00"}))),
            civ(1, address, join(join(band("07 D0"), {"07 00", kUpBcd}),
                                 join(band("07 D1"), {"07 00", kDownBcd}))),
            civ(1, address, join(kCivUplinkReset, {"07 D1", "08 7B"})),
            name + "(1)", down + "(1)", 2, 2, 20, true};
    // clang-format on
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(KenwoodCodes, RadioPositions, ::testing::Values(
    PositionCase{"Ts790BothBands", 4, 4, 1, 1, kUpHz, kDownHz,
        {"1:DC0;AI0;FN0;SP0;MD2;", "1:DC1;AI0;FN0;SP0;MD1;"},
        {"1:DC0;FA00435123456;", "1:DC1;FA00145900000;"}, {"1:DC1;MC 23;"},
        "TS-790(1)", "TS-790(1)", 4, 3, 40},
    PositionCase{"Ts440UpTs680DownOnTwoChannels", 5, 6, 2, 1, kUpHz, "1296000000",
        {"2:AI0;FN0;SP0;MD2;", "1:AI0;FN0;SP0;MD1;"},
        {"2:FA00435123456;", "1:FA01296000000;"}, {"1:DC1;MC 23;"},
        "TS-440S(2)", "TS-680S(1)", 4, 3, 30},
    PositionCase{"Ts2000SatelliteMode", 26, 26, 1, 1, kUpHz, kDownHz,
        {kSatModeOn + "FT1;MD2;", kSatModeOn + "FR0;MD1;", "1:FR0;FA00029200000;"},
        {"1:FT1;FB00435123456;", "1:FR0;FA00145900000;"}, on(1, kTs2000Reset),
        "TS-2000(1)", "TS-2000(1)", 3, 3, 40},
    PositionCase{"Ts711UpTs2000Down", 7, 26, 1, 2, kUpHz, kDownHz,
        {"1:AI0;FN0;SP0;MD2;", "2:" + kSatModeOff + "FR0;MD1;"},
        {"1:FA00435123456;", "2:FR0;FA00145900000;"}, on(2, kTs2000Reset),
        "TS-711(1)", "TS-2000(2)", 4, 3, 40},
    PositionCase{"Ts2000UpTs711Down", 26, 7, 1, 2, kUpHz, kDownHz,
        {"1:" + kSatModeOff + "FT0;MD2;", "2:AI0;FN0;SP0;MD1;"},
        {"1:FT0;FA00435123456;", "2:FA00145900000;"}, on(1, kTs2000Reset) + on(2, {"DC1;MC 23;"}),
        "TS-2000(1)", "TS-711(2)", 3, 3, 40},
    PositionCase{"TextsThatAreNotFrequencies", 8, 8, 1, 1, " ", "1459x0000",
        {"1:AI0;FN0;SP0;MD2;", "1:AI0;FN0;SP0;MD1;"}, {}, {"1:DC1;MC 23;"},
        "TS-811(1)", "TS-811(1)", 4, 3, 40}),
    [](const auto& info) { return info.param.name; });

// The FT-1000 is only named: its shutdown class still sends, in its own family's five-byte
// commands in either position.
INSTANTIATE_TEST_SUITE_P(OtherCodes, RadioPositions, ::testing::Values(
    PositionCase{"ReceiverAsUplinkNameOnlyAsDownlink", 33, 24, 1, 1, kUpHz, kDownHz, {}, {},
        on(1, kFiveByteReset), "(1)", "FT-1000(1)", 0, 1, 10, true},
    PositionCase{"NameOnlyAsUplink", 24, 30, 1, 1, kUpHz, kDownHz, {}, {},
        on(1, kFiveByteReset), "FT-1000(1)", " (1)", 1, 0, 10, true},
    PositionCase{"NoRadio", 30, 30, 1, 1, kUpHz, kDownHz, {}, {}, {}, " (1)", " (1)", 0, 0, 0},
    PositionCase{"UnlistedCode", 34, 34, 1, 1, kUpHz, kDownHz, {}, {}, {}, "(1)", "(1)", 0, 0, 0},
    PositionCase{"Ar5000DownlinkOnly", 35, 35, 1, 1, kUpHz, kDownHz, {}, {"1:RF0145900000\r"}, {},
        "(1)", "AR5000(1)", 0, 7, 20}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(YaesuCodes, RadioPositions, ::testing::Values(
    PositionCase{"Ft736Shared", 1, 1, 1, 1, kUpHz, kDownHz,
        on(1, {"00 00 00 00 00", "00 00 00 00 0E", "00 00 00 00 88", "01 00 00 00 27",
               "00 00 00 00 00", "00 00 00 00 0E", "00 00 00 00 88", "00 00 00 00 17"}),
        on(1, {"43 51 23 45 2E", "14 59 00 00 1E"}), on(1, kFiveByteReset),
        "FT-736R(1)", "FT-736R(1)", 1, 1, 10, true},
    PositionCase{"Ft847Shared", 2, 2, 1, 1, "29400000", kDownHz,
        on(1, {"00 00 00 00 00", "00 00 00 00 4E", "01 00 00 00 27",
               "00 00 00 00 00", "00 00 00 00 4E", "00 00 00 00 17"}),
        on(1, {"02 94 00 00 21", "14 59 00 00 11"}), on(1, kFiveByteReset),
        "FT-847(1)", "FT-847(1)", 1, 1, 10, true},
    PositionCase{"Ft757UpFt100Down", 16, 23, 1, 2, "14200000", kDownHz,
        on(1, {"00 00 00 00 00", "01 00 00 00 27"}) +
            on(2, {"00 00 00 00 01", "00 00 00 00 05", "00 00 00 00 0C"}),
        on(1, {"01 42 00 00 0A"}) + on(2, {"00 00 00 00 05", "00 00 59 14 0A"}),
        on(1, kFiveByteReset) + on(2, kFiveByteReset),
        "FT-757(1)", "FT-100(2)", 1, 1, 40, true},
    PositionCase{"Ft100UpFt757Down", 23, 16, 1, 2, kUpHz, "7100000",
        on(1, {"00 00 00 00 01", "00 00 00 00 05", "00 00 00 01 0C"}) +
            on(2, {"00 00 00 00 00", "10 00 00 00 17"}),
        on(1, {"00 00 00 00 05", "45 23 51 43 0A", "00 00 00 00 05"}) + on(2, {"00 71 00 00 0A"}),
        on(1, kFiveByteReset) + on(2, kFiveByteReset),
        "FT-100(1)", "FT-757(2)", 1, 1, 10, true},
    PositionCase{"Ft980DownlinkOnly", 20, 20, 1, 2, kUpHz, kDownHz,
        on(2, {"00 00 00 00 00", "00 00 00 00 0B"}), {}, {}, "(1)", "FT-980(2)", 0, 10, 20, true}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(IcomCodes, RadioPositions, ::testing::Values(
    PositionCase{"R8500", 3, 3, 1, 1, kUpHz, kDownHz, civ(1, "4A", {"06 01 01"}),
        civ(1, "4A", {kUpBcd, kDownBcd}), civ(1, "4A", {"08 A0 00", "08 7B"}),
        "IC-R8500(1)", "IC-R8500(1)", 4, 4, 20, true},
    icomBothPositions(9, "2E", true, "IC-970"),
    icomBothPositions(10, "20", false, "IC-271"),
    icomBothPositions(11, "22", false, "IC-471"),
    icomBothPositions(12, "10", false, "IC-275"),
    icomBothPositions(13, "14", false, "IC-475"),
    icomBothPositions(14, "42", true, "IC-820"),
    icomBothPositions(15, "4C", true, "IC-821"),
    icomBothPositions(17, "38", false, "IC-728"),
    icomBothPositions(18, "3A", false, "IC-729"),
    icomBothPositions(19, "1C", false, "IC-751A"),
    icomBothPositions(21, "58", false, "IC-706/G"),
    icomBothPositions(22, "48", false, "IC-706"),
    icomBothPositions(25, "5C", false, "IC-756PRO"),
    PositionCase{"Ic910SatelliteMode", 27, 27, 1, 1, kUpHz, kDownHz,
        civ(1, "60", {"07 D1", "0F 00", "06 01", "1A 07 01", "07 D0", "06 00", "1A 07 01"}),
        civ(1, "60", {"07 D1", kUpBcd, "07 D0", kDownBcd}), civ(1, "60", {"1A 07 00"}),
        "IC-910(1)", "IC-910(1)", 2, 2, 20, true},
    icomBothPositions(28, "56", false, "IC-746"),
    icomBothPositions(29, "4E", false, "IC-706II", "IC-746II"),
    icomBothPositions(31, "04", false, "IC-735"),
    // A dual-band radio alone on a link works on its main band, and recalls its memory there.
    PositionCase{"Ic275UpIc820Down", 12, 14, 1, 2, kUpHz, kDownHz,
        civ(1, "10", {"0F 00", "07 00", "06 01"}) + civ(2, "42", {"07 D0", "07 00", "06 00"}),
        civ(1, "10", {"07 00", kUpBcd}) + civ(2, "42", {"07 D0", "07 00", kDownBcd}),
        civ(1, "10", kCivUplinkReset) + civ(2, "42", {"07 D0", "08 7B"}),
        "IC-275(1)", "IC-820(2)", 2, 2, 20, true},
    PositionCase{"R7000DownlinkOnly", 20, 32, 1, 1, kUpHz, kDownHz, civ(1, "08", {"06 05 00"}),
        civ(1, "08", {"07 00", kDownBcd}), civ(1, "08", {"07 D1", "08 7B"}),
        "(1)", "IC-R7000(1)", 0, 2, 20, true},
    PositionCase{"R9000DownlinkOnly", 32, 33, 1, 1, kUpHz, kDownHz, civ(1, "2A", {"06 00"}),
        civ(1, "2A", {"07 00", kDownBcd}), civ(1, "2A", {"07 D1", "08 7B"}),
        "(1)", "IC-R9000(1)", 0, 2, 20, true}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST_P(RadioScenes, SetUpAndOneSendReachTheCard) {
    const SceneCase& c = GetParam();
    RadioStation s(c.up, c.down, c.upPort, c.downPort);
    s.station.radio.txInhibit = c.txInhibit;
    s.station.radio.rxInhibit = c.rxInhibit;
    radioinit(s.station);
    EXPECT_EQ(s.relayedSince(0, c.hex), c.setUp);
    const std::size_t before = s.card.relayed().size();
    s.send(c.upHz, c.downHz);
    EXPECT_EQ(s.relayedSince(before, c.hex), c.sends);
}

struct InhibitCase {
    std::string name;
    std::int16_t code;
    bool txInhibit, rxInhibit;
    std::vector<std::string> frequencies;  // every frequency command relayed, set-up included
};

class InhibitedLink : public ::testing::TestWithParam<InhibitCase> {};

TEST_P(InhibitedLink, GetsNoFrequencyFromAnyDriver) {
    const InhibitCase& c = GetParam();
    RadioStation s(c.code, c.code);
    s.station.radio.txInhibit = c.txInhibit;
    s.station.radio.rxInhibit = c.rxInhibit;
    radioinit(s.station);
    s.send(kUpHz, kDownHz);
    std::vector<std::string> frequencies = s.relayedSince(0);
    std::erase_if(frequencies, [](const std::string& text) {
        return text.find("FA0") == std::string::npos && text.find("FB0") == std::string::npos;
    });
    EXPECT_EQ(frequencies, c.frequencies);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(KenwoodCodes, InhibitedLink, ::testing::Values(
    InhibitCase{"Ts2000Uplink", 26, true, false, {"1:FR0;FA00029200000;", "1:FR0;FA00145900000;"}},
    InhibitCase{"Ts2000Downlink", 26, false, true, {"1:FT1;FB00435123456;"}},
    InhibitCase{"Ts790Uplink", 4, true, false, {"1:DC1;FA00145900000;"}},
    InhibitCase{"Ts811Downlink", 8, false, true, {"1:FA00435123456;"}}),
    [](const auto& info) { return info.param.name; });
// clang-format on

// Each simulated satellite-mode radio's dial, tuned by the set-up and one send: the uplink and
// downlink as the model keeps them (the FT-847 in 10 Hz steps).
TEST(SimulatedSatelliteRadios, DialsHoldTheLastFrequenciesSentInSatelliteMode) {
    using sim::RadioDial;
    struct Row {
        std::int16_t code;
        int upBand, upVfo, downBand;
        std::int64_t upHz;
    };
    for (const Row& row :
         {Row{26, RadioDial::kSub, RadioDial::kVfoB, RadioDial::kSub, 435123456},
          Row{2, RadioDial::kSub, RadioDial::kVfoA, RadioDial::kMain, 435123450},
          Row{27, RadioDial::kSub, RadioDial::kVfoA, RadioDial::kMain, 435123456}}) {
        SCOPED_TRACE(row.code);
        RadioStation s(row.code, row.code);
        s.setUpAndTune(kUpHz, kDownHz);
        const RadioDial& dial = s.radios.radioOf(row.code)->dial();
        EXPECT_TRUE(dial.satelliteMode);
        const auto& uplink = dial.vfo(row.upBand, row.upVfo);
        const auto& downlink = dial.vfo(row.downBand, RadioDial::kVfoA);
        EXPECT_EQ(uplink.hz, row.upHz);
        EXPECT_EQ(uplink.mode, "USB");
        EXPECT_EQ(downlink.hz, 145900000);
        EXPECT_EQ(downlink.mode, "LSB");
        if (row.code != 26) continue;
        EXPECT_EQ(dial.txVfo, RadioDial::kVfoB);
        EXPECT_EQ(dial.rxVfo, RadioDial::kVfoA);
    }
}

enum class Outcome { Accepted, Refused, BadRadio, NotAsked };

struct ReadCase {
    std::string name;
    std::int16_t up, down;
    int side;
    std::optional<std::vector<std::uint8_t>> answer;  // nothing: the simulated radio answers
    bool silent;
    Messages queries;
    Outcome outcome;
    bool hex = false;  // CI-V: the queries in hexadecimal
};

std::vector<std::uint8_t> text(const std::string& answer) {
    return {answer.begin(), answer.end()};
}

class ReadBack : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadBack, TakesOnlyAWellFormedDial) {
    const ReadCase& c = GetParam();
    RadioStation s(c.up, c.down);
    radioinit(s.station);
    s.send(kUpHz, kDownHz);
    if (c.silent) s.radios.radioOf(c.up)->setSilent(true);
    if (c.answer) s.answerOnChannel1(*c.answer);
    make_regist(s.station);
    s.station.track.freqChanged = 0;
    const std::size_t before = s.card.relayed().size();
    const char* label = c.side == 0 ? "lbl_Up_read" : "lbl_down_read";

    if (c.outcome == Outcome::BadRadio) {
        EXPECT_THAT(
            [&] { s.display.fire(label, ControlEvent::DblClick); },
            ::testing::Throws<ProgramEnd>(::testing::Field(&ProgramEnd::reason, EndReason::Fatal)));
        ASSERT_EQ(s.alerts.boxes.size(), 1u);
        EXPECT_EQ(s.alerts.boxes[0],
                  "One of the TS-2000/TS-2000 pair is NOT connected, turned on, or is not fitted "
                  "with readback facilities\r\n\r\n" +
                      std::string(16, ' ') + "KELDAN" + std::string(9, ' ') + "Ver 2.2.14" +
                      std::string(12, ' ') + "April. 2002");
        const std::vector<std::string> after = s.relayedSince(before);
        EXPECT_NE(std::find(after.begin(), after.end(), "1:SA0000000;"), after.end());  // shutdown
        return;
    }
    s.display.fire(label, ControlEvent::DblClick);
    EXPECT_EQ(s.relayedSince(before, c.hex), c.queries);
    EXPECT_EQ(s.alerts.beeps, c.outcome == Outcome::Refused ? 1 : 0);
    EXPECT_EQ(s.station.track.freqChanged, c.outcome == Outcome::Accepted ? 1 : 0);
    EXPECT_EQ(s.display[label].backColor, bgr::kGrey);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(RadioCodes, ReadBack, ::testing::Values(
    ReadCase{"Ts790UplinkOnItsMainBand", 4, 4, 0, {}, false, {"1:DC0;FA;"}, Outcome::Accepted},
    ReadCase{"Ts790DownlinkOnItsSubBandThenBackToMain", 4, 4, 1, {}, false,
             {"1:DC1;FA;", "1:DC0;"}, Outcome::Accepted},
    ReadCase{"Ts790AloneOnTheDownlinkOnItsSubBandThenBackToMain", 27, 4, 1, {}, false,
             {"1:DC1;FA;", "1:DC0;"}, Outcome::Accepted},
    ReadCase{"Ts2000SatelliteUplink", 26, 26, 0, {}, false, {"1:FT1;FB;"}, Outcome::Accepted},
    ReadCase{"Ts2000Downlink", 26, 26, 1, {}, false, {"1:FR0;FA;"}, Outcome::Accepted},
    ReadCase{"SilentRadio", 5, 5, 0, {}, true, {"1:FA;"}, Outcome::Refused},
    ReadCase{"Ts2000DownlinkWrongVfo", 26, 26, 1, text("FB00145123456;"), false, {"1:FR0;FA;"},
             Outcome::Refused},
    ReadCase{"Ts2000UplinkSilent", 26, 26, 0, {}, true, {"1:FT1;FB;"}, Outcome::Refused},
    ReadCase{"Ts2000UplinkGarbledIsBadRadio", 26, 26, 0, text("FB0043512:456;"), false, {},
             Outcome::BadRadio},
    ReadCase{"ModelWithoutReadBack", 24, 24, 0, {}, false, {}, Outcome::NotAsked},
    ReadCase{"Ic910DownlinkOnItsMainBand", 27, 27, 1, {}, false, civ(1, "60", {"07 D0", "03"}),
             Outcome::Accepted, true},
    ReadCase{"Ic910UplinkOnItsSubBandThenBackToMain", 27, 27, 0, {}, false,
             civ(1, "60", {"07 D1", "03", "07 D0"}), Outcome::Accepted, true},
    ReadCase{"Ic970DownlinkOnItsSubBandThenBackToMain", 9, 9, 1, {}, false,
             civ(1, "2E", {"07 D1", "07 00", "03", "07 D0"}), Outcome::Accepted, true},
    ReadCase{"R8500", 3, 3, 1, {}, false, civ(1, "4A", {"07 00", "03"}), Outcome::Accepted, true},
    ReadCase{"Ic271Uplink", 10, 11, 0, {}, false, civ(1, "20", {"07 00", "03"}), Outcome::Accepted,
             true},
    ReadCase{"CivAnswerFromAnotherAddress", 10, 10, 0, bytesOf("FE FE E0 22 03 00 00 90 45 01 FD"),
             false, civ(1, "20", {"07 00", "03"}), Outcome::Refused, true},
    ReadCase{"SilentCivRadio", 10, 10, 0, std::vector<std::uint8_t>{}, false,
             civ(1, "20", {"07 00", "03"}), Outcome::Refused, true},
    ReadCase{"Ft847SatelliteDownlink", 2, 2, 1, {}, false,
             on(1, {"00 00 00 00 13", "00 00 00 00 88"}), Outcome::Accepted, true},
    ReadCase{"Ft847UplinkBesideAnotherModel", 2, 27, 0, {}, false,
             on(1, {"00 00 00 00 03", "00 00 00 00 88"}), Outcome::Accepted, true},
    ReadCase{"Ft847NibbleAboveNine", 2, 2, 0, bytesOf("43 5A 23 45 01"), false,
             on(1, {"00 00 00 00 23", "00 00 00 00 88"}), Outcome::Refused, true},
    ReadCase{"SilentFt847", 2, 2, 1, {}, true, on(1, {"00 00 00 00 13", "00 00 00 00 88"}),
             Outcome::Refused, true},
    ReadCase{"Ft100PairUplinkOnVfoB", 23, 23, 0, {}, false,
             on(1, {"00 00 00 01 05", "00 00 00 00 10", "00 00 00 00 05"}), Outcome::Accepted,
             true},
    ReadCase{"Ft100DownlinkOnVfoA", 23, 23, 1, {}, false, on(1, {"00 00 00 00 05", "00 00 00 00 10"}),
             Outcome::Accepted, true},
    ReadCase{"SilentFt100", 23, 23, 1, {}, true, on(1, {"00 00 00 00 05", "00 00 00 00 10"}),
             Outcome::Refused, true},
    ReadCase{"Ft757WithoutReadBack", 16, 16, 0, {}, false, {}, Outcome::NotAsked},
    ReadCase{"Ar5000", 0, 35, 1, {}, false, {"1:RX\r"}, Outcome::Accepted},
    ReadCase{"Ar5000WrongHeader", 0, 35, 1, text("VA RX0145900000\r"), false, {"1:RX\r"},
             Outcome::Refused},
    ReadCase{"Ar5000NotADigit", 0, 35, 1, text("VA RF01459x0000\r"), false, {"1:RX\r"},
             Outcome::Refused}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST(ReadBackDiagnostic, ShowsTheRawDownlinkAnswerInsteadOfTakingIt) {
    RadioStation s(4, 4);
    radioinit(s.station);
    s.send(kUpHz, kDownHz);
    s.station.link.diagnostic = true;
    s.station.track.freqChanged = 0;
    s.display.fire("lbl_down_read", ControlEvent::DblClick);
    EXPECT_EQ(s.display["Text4"].caption.rfind("46 41 30 30 31 34 35 39 30 30 30 30 30 3B ", 0),
              0u);
    EXPECT_FALSE(s.display["Text4"].visible);
    ASSERT_EQ(s.alerts.boxes.size(), 1u);
    EXPECT_EQ(s.alerts.boxes[0].rfind("Please note the Frequency on the TS-2000 Dial\n\r\n\r", 0),
              0u);
    EXPECT_FALSE(s.station.link.diagnostic);
    EXPECT_EQ(s.station.track.freqChanged, 0);
}

}  // namespace
}  // namespace orvant
