#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "radio/catcontrol.h"
#include "radio/radio_init.h"
#include "station/handoff.h"
#include "station/program_end.h"
#include "support/radio_station.h"

namespace orvant {
namespace {

using testing::bytesOf;
using testing::civ;
using testing::Messages;
using testing::RadioStation;

constexpr const char* kUpHz = "435123456";
constexpr const char* kDownHz = "145900000";

struct PositionCase {
    std::string name;
    std::int16_t up, down, upPort, downPort;
    std::string upHz, downHz;
    std::vector<std::string> setUp, sends;
    std::string upCaption, downCaption;
    std::int16_t upFamily, downFamily, slot60;
};

class RadioPositions : public ::testing::TestWithParam<PositionCase> {};

TEST_P(RadioPositions, SetUpAndSendFollowTheTypeTable) {
    const PositionCase& c = GetParam();
    RadioStation s(c.up, c.down, c.upPort, c.downPort);
    radioinit(s.station);
    EXPECT_EQ(s.relayedSince(0), c.setUp);
    EXPECT_EQ(s.display["lbl_radio_up"].caption, c.upCaption);
    EXPECT_EQ(s.display["lbl_radio_dn"].caption, c.downCaption);
    EXPECT_EQ(s.station.radio.uplinkFamily, c.upFamily);
    EXPECT_EQ(s.station.radio.downlinkFamily, c.downFamily);
    EXPECT_EQ(s.slot(60), c.slot60);

    const std::size_t before = s.card.relayed().size();
    s.send(c.upHz, c.downHz);
    EXPECT_EQ(s.relayedSince(before), c.sends);
    EXPECT_TRUE(s.station.link.catcontrolUsed);
}

const std::string kSatModeOn = "1:DC11;RX0;AI0;RC;SA1011000;";
const std::string kSatModeOff = "DC00;RX0;AI0;RC;SA0000000;";

// clang-format off
INSTANTIATE_TEST_SUITE_P(KenwoodCodes, RadioPositions, ::testing::Values(
    PositionCase{"Ts790BothBands", 4, 4, 1, 1, kUpHz, kDownHz,
        {"1:DC0;AI0;FN0;SP0;MD2;", "1:DC1;AI0;FN0;SP0;MD1;"},
        {"1:DC0;FA00435123456;", "1:DC1;FA00145900000;"}, "TS-790(1)", "TS-790(1)", 4, 3, 40},
    PositionCase{"Ts440UpTs680DownOnTwoChannels", 5, 6, 2, 1, kUpHz, "1296000000",
        {"2:AI0;FN0;SP0;MD2;", "1:AI0;FN0;SP0;MD1;"},
        {"2:FA00435123456;", "1:FA01296000000;"}, "TS-440S(2)", "TS-680S(1)", 4, 3, 30},
    PositionCase{"Ts2000SatelliteMode", 26, 26, 1, 1, kUpHz, kDownHz,
        {kSatModeOn + "FT1;MD2;", kSatModeOn + "FR0;MD1;", "1:FR0;FA00029200000;"},
        {"1:FT1;FB00435123456;", "1:FR0;FA00145900000;"}, "TS-2000(1)", "TS-2000(1)", 3, 3, 40},
    PositionCase{"Ts2000DownlinkOnly", 0, 26, 1, 2, kUpHz, kDownHz,
        {"2:" + kSatModeOff + "FR0;MD1;"}, {"2:FR0;FA00145900000;"}, "(1)", "TS-2000(2)", 0, 3, 40},
    PositionCase{"Ts2000UplinkTs711Downlink", 26, 7, 1, 2, kUpHz, kDownHz,
        {"1:" + kSatModeOff + "FT0;MD2;", "2:AI0;FN0;SP0;MD1;"},
        {"1:FT0;FA00435123456;", "2:FA00145900000;"}, "TS-2000(1)", "TS-711(2)", 3, 3, 40},
    PositionCase{"TextsThatAreNotFrequencies", 8, 8, 1, 1, " ", "1459x0000",
        {"1:AI0;FN0;SP0;MD2;", "1:AI0;FN0;SP0;MD1;"}, {}, "TS-811(1)", "TS-811(1)", 4, 3, 40},
    PositionCase{"ReceiverAsUplinkAndNameOnly", 33, 24, 1, 1, kUpHz, kDownHz,
        {}, {}, "(1)", "FT-1000(1)", 0, 1, 10},
    PositionCase{"NoRadioCode", 30, 34, 1, 1, kUpHz, kDownHz, {}, {}, " (1)", "(1)", 0, 0, 0}),
    [](const auto& info) { return info.param.name; });
// clang-format on

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

TEST(SimulatedTs2000, ItsDialHoldsTheLastFrequenciesSentInSatelliteMode) {
    RadioStation s(26, 26);
    s.setUpAndTune(kUpHz, kDownHz);
    const sim::RadioDial& dial = s.radios.radioOf(26)->dial();
    EXPECT_TRUE(dial.satelliteMode);
    EXPECT_EQ(dial.txVfo, sim::RadioDial::kVfoB);
    EXPECT_EQ(dial.rxVfo, sim::RadioDial::kVfoA);
    const auto& uplink = dial.vfo(sim::RadioDial::kSub, sim::RadioDial::kVfoB);
    const auto& downlink = dial.vfo(sim::RadioDial::kSub, sim::RadioDial::kVfoA);
    EXPECT_EQ(uplink.hz, 435123456);
    EXPECT_EQ(uplink.mode, "USB");
    EXPECT_EQ(downlink.hz, 145900000);
    EXPECT_EQ(downlink.mode, "LSB");
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
        try {
            s.display.fire(label, ControlEvent::DblClick);
            FAIL() << "the program went on";
        } catch (const ProgramEnd& end) {
            EXPECT_EQ(end.reason, EndReason::Fatal);
        }
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
    ReadCase{"Ts2000SatelliteUplink", 26, 26, 0, {}, false, {"1:FT1;FB;"}, Outcome::Accepted},
    ReadCase{"Ts2000Downlink", 26, 26, 1, {}, false, {"1:FR0;FA;"}, Outcome::Accepted},
    ReadCase{"SilentRadio", 5, 5, 0, {}, true, {"1:FA;"}, Outcome::Refused},
    ReadCase{"ByteF0AmongTheDigits", 5, 5, 1, text("FA0014512\xF0" "456;"), false, {"1:FA;"},
             Outcome::Refused},
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
             civ(1, "20", {"07 00", "03"}), Outcome::Refused, true}),
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
