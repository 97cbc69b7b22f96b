#include "controller/link.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "controller/controller_functions.h"
#include "controller/port_protocol.h"
#include "station/handoff.h"
#include "station/program_end.h"
#include "station/waits.h"
#include "support/sim_station.h"

namespace orvant {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::RecordingRadio;
using testing::SimStation;

constexpr std::uint16_t kData = SimStation::kBase;
constexpr std::uint16_t kControl = SimStation::kBase + 2;

// Data bytes written for frame nibble k (1..132): the three settling writes after the two marker
// bytes.
std::vector<std::uint8_t> nibbleWrites(const SimStation& s, int k) {
    const std::vector<std::uint8_t> data = s.port.writesTo(kData);
    const auto first = data.begin() + 2 + 3 * (k - 1);
    return {first, first + 3};
}

// Which check mark the window shows: "white" (good reply), "red" (failed check) or "none".
std::string checkMark(SimStation& s) {
    const bool white = s.display["wht_check"].visible;
    const bool red = s.display["red_check"].visible;
    return white && red ? "both" : white ? "white" : red ? "red" : "none";
}

// A CAT message waiting in slot 2 for `radio`: sent, or sent with its answer captured.
void pendCat(SimStation& s, std::int16_t radio, bool capture, std::int16_t delayMs) {
    LinkState& link = s.station.link;
    link.catRadio = radio;
    (capture ? link.catReadPending : link.catSendPending) = 1;
    link.catDelayMs = delayMs;
}

// Radio 1 answers `answer` to the query 03 the next frame carries, its answer captured.
void queryRadio1(SimStation& s, RecordingRadio& radio, std::vector<std::uint8_t> answer) {
    radio.answer = std::move(answer);
    s.card.attachRadio(1, &radio);
    s.station.link.radio1ReadCode = 56;
    s.slot(2) = 0x03;
    pendCat(s, 1, true, 50);
}

TEST(LinkExchange, FrameReachesTheCardAndThePositionsComeBack) {
    SimStation s;
    s.card.setPositions(700, 256);
    s.slot(2) = 0x12;
    s.slot(51) = 6;
    laptop(s.station);

    ASSERT_EQ(s.card.framesTaken(), 1);
    EXPECT_EQ(s.card.lastFrame(), sentBytesOf(s.station.link.controllerFrame));
    EXPECT_EQ(s.card.externalOutputs(), 6);
    EXPECT_EQ(s.station.link.azCounts, 700);
    EXPECT_EQ(s.station.link.elCounts, 256);
    EXPECT_EQ(s.display["lbl_Elfed"].caption, "45");  // Int(256 * 180 / 1023) = Int(45.04)
    EXPECT_EQ(checkMark(s), "white");
    EXPECT_EQ(s.station.link.replyNibbles[96], 8);
    EXPECT_EQ(s.host.elapsedMs(), 100);  // the pause after the send
}

TEST(LinkExchange, LapinAloneReadsWithoutSendingAFrame) {
    SimStation s;
    s.card.setPositions(100, 1023);
    lapin(s.station);
    EXPECT_EQ(s.card.framesTaken(), 0);
    EXPECT_EQ(s.card.repliesGiven(), 1);
    EXPECT_EQ(s.station.link.azCounts, 100);
    EXPECT_EQ(s.station.link.elCounts, 1023);
    EXPECT_EQ(s.display["lbl_Elfed"].caption, "180");
}

TEST(LinkExchange, SlowHandshakesAndPortAddressesAboveHex8000StillCarryEveryNibble) {
    for (const bool slow : {true, false}) {
        SCOPED_TRACE(slow ? "slow handshakes" : "PCI card at D010");
        SimStation s(slow ? SimStation::kBase : 0xD010);
        if (slow) s.card.setHandshakeReads(7);  // busy for more than one three-read sample
        s.card.setPositions(321, 123);
        s.slot(45) = 1;
        s.slot(46) = 0x41;
        laptop(s.station);
        EXPECT_EQ(s.card.framesTaken(), 1);
        EXPECT_EQ(s.card.lastFrame(), sentBytesOf(s.station.link.controllerFrame));
        EXPECT_EQ(s.station.link.azCounts, 321);
        EXPECT_EQ(s.station.link.elCounts, 123);
        EXPECT_EQ(checkMark(s), "white");
        EXPECT_EQ(s.port.writesTo(0xD012).empty(), slow);  // control lines at base + 2
    }
}

TEST(LinkRecoding, NibblesTravelOnTheDataLinesWithBitTwoOnD4) {
    SimStation s;
    s.slot(2) = 0x5A;
    laptop(s.station);
    EXPECT_EQ(nibbleWrites(s, 3), (std::vector<std::uint8_t>{0xD1, 0xD1, 0xD1}));  // nibble 5
    EXPECT_EQ(nibbleWrites(s, 4), (std::vector<std::uint8_t>{0xCA, 0xCA, 0xCA}));  // nibble A
    const std::vector<std::uint8_t> data = s.port.writesTo(kData);
    EXPECT_EQ(data[0], 0x80);  // send marker
    EXPECT_EQ(data[1], 0xC0);
    EXPECT_EQ(data.size(), 2u + 3u * 132u + 1u + 2u);  // frame, end marker, read marker pair
}

TEST(LinkRecoding, TheAuxLineIsRepeatedInEveryByteWritten) {
    SimStation s;
    s.port.write(kData, 0xE0);  // start-up found the aux line set
    s.port.accesses.clear();
    s.slot(2) = 0xFF;
    laptop(s.station);
    EXPECT_EQ(nibbleWrites(s, 3), (std::vector<std::uint8_t>{0xFB, 0xFB, 0xFB}));
    for (const std::uint8_t b : s.port.writesTo(kData)) EXPECT_EQ(b & 0x20, 0x20) << int(b);
    EXPECT_EQ(s.card.lastFrame()[2], 0xFF);
}

TEST(LinkRecoding, OnlyTheLowEightBitsOfASlotAreSentButTheDumpShowsItAll) {
    SimStation s;
    s.slot(2) = 0x1A5;
    s.slot(60) = -1;
    laptop(s.station);
    EXPECT_EQ(s.card.lastFrame()[2], 0xA5);
    EXPECT_EQ(s.card.lastFrame()[60], 0xFF);

    std::string dump = "03 1A5 ";
    for (int slot = 3; slot <= 44; ++slot) dump += "F0 ";
    for (int slot = 45; slot <= 59; ++slot) dump += "00 ";
    dump += "FFFF 0A 00 00 00 05 ";
    EXPECT_EQ(s.display["Text1"].caption,
              std::string(52, ' ') + "Printer Port To Controller Data" + dump);
}

TEST(LinkRecoding, StatusLinesCarryTheReplyNibble) {
    EXPECT_EQ(port::nibbleOnStatus(0xF8), 15);
    EXPECT_EQ(port::nibbleOnStatus(0x80), 0);
    EXPECT_EQ(port::nibbleOnStatus(0x47), 8);  // bits 2..0 are ignored
}

TEST(LinkReply, RadioAnswerFillsTheReplyBytesAndTheDump) {
    SimStation s;
    RecordingRadio radio;
    queryRadio1(s, radio, {0xFE, 0x0F, 0xF0, 0x00});
    laptop(s.station);
    lapin(s.station);  // the answer stays for the read that collects it

    ASSERT_EQ(radio.received.size(), 1u);
    EXPECT_EQ(radio.received[0], (std::vector<std::uint8_t>{0x03}));
    std::string bytes = "FE 0F F0 00 ";
    for (int k = 5; k <= 47; ++k) bytes += "00 ";
    bytes += "80 ";
    for (int k = 49; k <= 64; ++k) bytes += "00 ";
    EXPECT_EQ(s.display["Text2"].caption,
              std::string(18, ' ') + "Controller to Printer Port Data" + bytes);
    EXPECT_EQ(s.station.link.replyNibbles[3], 14);
    EXPECT_EQ(s.station.link.replyNibbles[4], 0);
    EXPECT_EQ(s.station.link.replyNibbles[5], 15);
}

TEST(LinkBusy, BusyControllerGetsNoFrameButTheReadStillRuns) {
    SimStation s;
    s.card.reportBusyFor(1);
    s.card.setPositions(40, 50);
    laptop(s.station);

    EXPECT_EQ(s.card.framesTaken(), 0);
    const std::vector<std::uint8_t> data = s.port.writesTo(kData);
    ASSERT_GE(data.size(), 2u);
    EXPECT_EQ(data[0], 0xC0);  // the end marker: no send marker, no nibble
    EXPECT_EQ(data[1], 0x40);  // then the read request
    EXPECT_EQ(s.port.writesTo(kControl).front(), 0x04);
    EXPECT_THAT(s.display["Text1"].caption, HasSubstr("Printer Port To Controller Data03 F0 "));
    EXPECT_EQ(s.card.repliesGiven(), 1);
    EXPECT_EQ(s.station.link.azCounts, 40);
    EXPECT_THAT(s.traced("frame"), ElementsAre(HasSubstr("\"busy\":true")));
}

// Each read waits up to 1000 polls of its own for the card, however many polls earlier reads
// took, so a healthy card is never given up on.
TEST(LinkBusy, EveryReadWaitsItsOwnThousandPolls) {
    SimStation s;
    for (int read = 1; read <= 3000; ++read) {
        lapin(s.station);
        ASSERT_EQ(s.card.repliesGiven(), read);
    }
    s.card.reportBusyFor(999);
    lapin(s.station);
    EXPECT_EQ(s.card.repliesGiven(), 3001);
    EXPECT_EQ(checkMark(s), "white");
}

TEST(LinkBusy, CountsAboveTheRangeAreLimited) {
    SimStation s;
    auto& nibbles = s.station.link.replyNibbles;
    nibbles[96] = 8;
    nibbles[131] = 4;  // 4, 0, 0 = 1024
    for (int k = 135; k <= 137; ++k) nibbles[k] = 15;
    s.card.reportBusyFor(100000);  // every read is abandoned: the nibbles above are decoded
    lapin(s.station);
    EXPECT_EQ(s.station.link.azCounts, 1023);
    EXPECT_EQ(s.station.link.elCounts, 1023);
}

TEST(LinkCheck, AFailedCheckResendsAtOnceThenShowsTheRedMark) {
    SimStation s;
    s.card.sendBadChecks(1);
    laptop(s.station);
    EXPECT_EQ(s.card.framesTaken(), 2);
    EXPECT_EQ(s.card.repliesGiven(), 2);
    EXPECT_EQ(checkMark(s), "red");
    EXPECT_EQ(s.station.link.badReadCount, 1);
    EXPECT_EQ(s.host.elapsedMs(), 100 + 100 + 50);

    laptop(s.station);  // a good reply clears the count
    EXPECT_EQ(checkMark(s), "white");
    EXPECT_EQ(s.station.link.badReadCount, 0);
}

TEST(LinkCheck, ResendsNestOnlyABoundedDepthAndEveryFailureIsCounted) {
    SimStation s;
    s.card.sendBadChecks(1000);
    lapin(s.station);
    // The read fails, its re-send fails, that re-send's re-send fails and stops the nesting.
    EXPECT_EQ(s.card.framesTaken(), 2);
    EXPECT_EQ(s.card.repliesGiven(), 3);
    EXPECT_EQ(s.station.link.badReadCount, 3);
    EXPECT_EQ(s.station.link.retryNesting, 0);
}

const char* const kFourCauses =
    "     There are 4 possible causes for this fault.\r\n"
    "\r\n"
    "1: No power being supplied to the Orvant card.\r\n"
    "2: No cable or incorrect cable connected to the printer port.\r\n"
    "3: Printer port incorrectly configured in the ORV.CFG file.\r\n"
    "4: Program lockup. Remove power from the Orvant card.\r\n"
    "    Wait a few seconds then re apply power to the unit.\r\n"
    "\r\n"
    "   Please refer to page 4 of the manual and the section\r\n"
    "                     on the printer port. \r\n"
    "\r\n"
    "The symbol to the right of the UTC box MUST turn WHITE\r\n"
    "                     for the program to work\r\n"
    "\r\n"
    "          KELDAN           Ver 2.2.14          April. 2002";

TEST(LinkCheck, MoreThanTenFailuresShowTheFourCausesThenDemonstrationMode) {
    SimStation s;
    s.card.sendBadChecks(100000);
    lapin(s.station);  // failures 1..3
    lapin(s.station);  // 4..6
    lapin(s.station);  // 7..9
    EXPECT_TRUE(s.alerts.boxes.empty());
    lapin(s.station);  // 10..12: the 11th shows the message and starts the count again
    ASSERT_EQ(s.alerts.boxes.size(), 1u);
    EXPECT_EQ(s.alerts.boxes[0], kFourCauses);
    EXPECT_EQ(s.station.link.badReadCount, 1);
    EXPECT_FALSE(s.display["img_blk_crc"].visible);
    EXPECT_NE(s.display["lbl_satpos"].caption, "Demo Mode");

    for (int i = 0; i < 4; ++i) lapin(s.station);  // 13..24: the 22nd is the second message
    ASSERT_EQ(s.alerts.boxes.size(), 2u);
    EXPECT_EQ(s.alerts.boxes[1], kFourCauses);
    EXPECT_EQ(s.station.link.badAdsCount, 2);
    EXPECT_TRUE(s.display["img_blk_crc"].visible);
    EXPECT_EQ(s.display["lbl_satpos"].caption, "Demo Mode");

    const std::int16_t counted = s.station.link.badReadCount;
    for (int i = 0; i < 10; ++i) lapin(s.station);
    EXPECT_EQ(s.alerts.boxes.size(), 2u);
    EXPECT_EQ(s.station.link.badReadCount, counted);  // no longer counted
    EXPECT_EQ(checkMark(s), "red");                   // exchanges and retries go on
    EXPECT_GT(s.card.framesTaken(), 30);
}

TEST(LinkCheck, TheLimitTightensOnceTheCatDispatcherHasRun) {
    SimStation s;
    s.station.link.catcontrolUsed = true;
    s.card.sendBadChecks(100000);
    for (int i = 0; i < 2; ++i) lapin(s.station);  // 6 failures
    s.card.sendBadChecks(3);
    lapin(s.station);  // 7..9: the 9th passes 8
    EXPECT_EQ(s.alerts.boxes.size(), 1u);
    EXPECT_EQ(s.station.link.badReadLimit, 8);
}

struct CatCase {
    std::int16_t radio;
    bool capture;
    std::int16_t flagSlot;               // also the channel code of the radio
    std::array<std::int16_t, 4> timing;  // slots 52..55 as sent
};

class LinkCatChannels : public ::testing::TestWithParam<CatCase> {};

TEST_P(LinkCatChannels, TimingPairAndFlagFollowTheRadioAndItsChannel) {
    const CatCase c = GetParam();
    SimStation s;
    s.station.sat.uplinkCh1 = {1, 11};
    s.station.sat.downlinkCh1 = {2, 22};
    s.station.sat.uplinkCh2 = {3, 33};
    s.station.sat.downlinkCh2 = {4, 44};
    LinkState& link = s.station.link;
    (c.radio == 1 ? (c.capture ? link.radio1ReadCode : link.radio1SendCode)
                  : (c.capture ? link.radio2ReadCode : link.radio2SendCode)) = c.flagSlot;
    s.slot(54) = 77;
    s.slot(55) = 78;
    s.slot(2) = 0x55;
    s.slot(3) = 240;
    pendCat(s, c.radio, c.capture, 150);
    laptop(s.station);

    const SentBytes& sent = s.card.lastFrame();
    for (int slot = 56; slot <= 59; ++slot)
        EXPECT_EQ(sent[slot], slot == c.flagSlot ? 1 : 0) << slot;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(sent[52 + i], c.timing[i]) << 52 + i;
    for (int slot = 56; slot <= 59; ++slot) EXPECT_EQ(s.slot(slot), 0);
    EXPECT_EQ(link.catSendPending, 0);
    EXPECT_EQ(link.catReadPending, 0);
    EXPECT_EQ(link.catRadio, 0);
    EXPECT_EQ(s.host.elapsedMs(), 150 + 100);

    const int channel = c.flagSlot <= 57 ? 1 : 2;
    ASSERT_EQ(s.card.relayed().size(), 1u);
    EXPECT_EQ(s.card.relayed()[0].channel, channel);
    EXPECT_EQ(s.card.relayed()[0].bytes, (std::vector<std::uint8_t>{0x55}));
    EXPECT_THAT(s.traced("cat"), ElementsAre(HasSubstr("\"radio\":" + std::to_string(c.radio) +
                                                       ",\"channel\":" + std::to_string(channel) +
                                                       ",\"bytes\":[85]")));
}

INSTANTIATE_TEST_SUITE_P(
    BothRadiosBothChannels, LinkCatChannels,
    ::testing::Values(CatCase{2, false, 57, {2, 22, 77, 78}}, CatCase{2, false, 59, {4, 44, 4, 44}},
                      CatCase{1, false, 57, {1, 11, 77, 78}}, CatCase{1, false, 59, {3, 33, 4, 44}},
                      CatCase{2, true, 56, {2, 22, 77, 78}}, CatCase{2, true, 58, {4, 44, 4, 44}},
                      CatCase{1, true, 56, {1, 11, 77, 78}}, CatCase{1, true, 58, {3, 33, 4, 44}}),
    [](const auto& info) {
        const CatCase& c = info.param;
        return std::string(c.capture ? "Capture" : "Send") + "Radio" + std::to_string(c.radio) +
               "Slot" + std::to_string(c.flagSlot);
    });

TEST(LinkCat, UnassignedChannelCodesPlaceNothing) {
    SimStation s;
    s.slot(52) = 9;
    pendCat(s, 1, false, 100);
    laptop(s.station);
    for (int slot = 56; slot <= 59; ++slot) EXPECT_EQ(s.card.lastFrame()[slot], 0);
    EXPECT_EQ(s.card.lastFrame()[52], 9);
    EXPECT_TRUE(s.card.relayed().empty());
    EXPECT_TRUE(s.traced("cat").empty());
    EXPECT_EQ(s.station.link.catSendPending, 0);
}

TEST(LinkCat, FlagSlotsAreClearWhateverTheyHeldBefore) {
    SimStation s;
    for (int slot = 56; slot <= 59; ++slot) s.slot(slot) = 1;
    s.slot(61) = 11;
    laptop(s.station);
    for (int slot = 56; slot <= 59; ++slot) {
        EXPECT_EQ(s.card.lastFrame()[slot], 0);
        EXPECT_EQ(s.slot(slot), 0);
    }
    EXPECT_EQ(s.card.lastFrame()[61], 10);
    EXPECT_TRUE(s.card.relayed().empty());
}

TEST(LinkSilence, AControllerSilentMidFrameIsAbandonedAndNeverHangs) {
    SimStation s;
    s.card.fallSilentInFrameAfter(10);
    laptop(s.station);
    EXPECT_TRUE(s.card.silent());
    EXPECT_EQ(s.card.framesTaken(), 0);
    // The card fell silent while taking the 10th nibble: nine handshakes were completed.
    ASSERT_FALSE(s.traced("frame").empty());
    EXPECT_THAT(s.traced("frame")[0], HasSubstr("\"abandoned\":true,\"nibbles\":9"));
    EXPECT_EQ(checkMark(s), "red");                     // nothing good ever came back
    EXPECT_NE(s.port.writesTo(kControl).back(), 0x05);  // the strobe was released

    lbl_reset_Click(s.station);  // the operator resets the card; it answers again
    s.card.setPositions(300, 200);
    laptop(s.station);
    EXPECT_EQ(s.card.framesTaken(), 1);
    EXPECT_EQ(s.station.link.azCounts, 300);
    EXPECT_EQ(checkMark(s), "white");
}

// A read the card never completes brings no answer: the previous radio answer is not passed on as
// this read's, the check fails, and the positions stay the last ones read.
TEST(LinkAbandonedRead, NeverPassesTheLastReplyForAFreshOne) {
    struct Case {
        const char* name;
        void (*fault)(sim::SimControllerCard&);
    };
    const Case cases[] = {
        {"busy beyond the ready wait", [](sim::SimControllerCard& c) { c.reportBusyFor(100000); }},
        {"silent in the middle of the reply",
         [](sim::SimControllerCard& c) { c.fallSilentInReplyAfter(60); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimStation s;
        RecordingRadio radio;
        queryRadio1(s, radio, {0x46, 0x41, 0x3B});
        s.card.setPositions(111, 222);
        laptop(s.station);
        ASSERT_EQ(replyByte(s.station.link.replyNibbles, 1), 0x46);

        s.card.setPositions(900, 900);
        c.fault(s.card);
        lapin(s.station);
        for (int k = 1; k <= reply::kAnswerBytes; ++k)
            ASSERT_EQ(replyByte(s.station.link.replyNibbles, k), 0) << "reply byte " << k;
        EXPECT_EQ(checkMark(s), "red");
        EXPECT_EQ(s.station.link.azCounts, 111);
        EXPECT_EQ(s.station.link.elCounts, 222);
    }
}

TEST(LinkPauses, AnExchangeStartingClickWaitsUntilTheExchangeEndsOtherInputRunsInThePause) {
    SimStation s;
    s.display.declare("lbl_probe");
    std::int64_t ranAt = -1;
    bool ranInsideExchange = true;
    s.display.on(
        "lbl_probe", ControlEvent::Click,
        [&] {
            ranAt = s.host.elapsedMs();
            ranInsideExchange = s.display.exchangeActive();
        },
        true);
    s.post(40, InputKind::Click, "lbl_extcontrolport");
    s.post(50, InputKind::Click, "lbl_probe");  // arrives in the pause after the send
    laptop(s.station);
    EXPECT_TRUE(s.display["Text1"].visible);
    EXPECT_EQ(ranAt, -1);
    EXPECT_FALSE(s.display.exchangeActive());

    pumpMessages(s.station);
    EXPECT_EQ(ranAt, 100);
    EXPECT_FALSE(ranInsideExchange);
}

TEST(LinkPauses, AnExchangeRunInsideAPauseLeavesTheOuterExchangeMarked) {
    SimStation s;
    s.display.declare("lbl_inner");
    bool outerStillMarked = false;
    s.display.on("lbl_inner", ControlEvent::Click, [&] {
        lapin(s.station);
        outerStillMarked = s.display.exchangeActive();
    });
    s.post(50, InputKind::Click, "lbl_inner");
    laptop(s.station);
    EXPECT_EQ(s.card.repliesGiven(), 2);
    EXPECT_TRUE(outerStillMarked);
    EXPECT_FALSE(s.display.exchangeActive());
}

TEST(LinkPauses, AResetDuringThePauseEndsItEarly) {
    SimStation s;
    s.station.track.loopHold = 1;
    s.post(30, InputKind::Click, "lbl_reset");
    laptop(s.station);
    EXPECT_EQ(s.host.elapsedMs(), 30);
    EXPECT_EQ(s.card.resets(), 1);
    EXPECT_EQ(s.card.repliesGiven(), 1);  // the exchange went on with its read
    EXPECT_EQ(s.station.track.loopHold, 0);
    EXPECT_EQ(checkMark(s), "white");
}

TEST(LinkHandoff, ALostHandoffEndsTheProgramBeforeAnyPortAccess) {
    SimStation s;
    s.station.app.loopRunning = true;
    EXPECT_THAT([&] { laptop(s.station); }, ::testing::Throws<ProgramEnd>(::testing::Field(
                                                &ProgramEnd::reason, EndReason::Handoff)));
    EXPECT_TRUE(s.port.accesses.empty());
    EXPECT_THROW(lapin(s.station), ProgramEnd);
    EXPECT_TRUE(s.port.accesses.empty());
    EXPECT_FALSE(s.display.exchangeActive());

    make_regist(s.station);
    laptop(s.station);
    EXPECT_EQ(s.card.framesTaken(), 1);
}

TEST(LinkHandoff, AHandoffLostDuringAPauseEndsTheProgramThere) {
    SimStation s;
    s.station.app.loopRunning = true;
    make_regist(s.station);
    s.display.declare("lbl_newer");
    s.display.on("lbl_newer", ControlEvent::Click,
                 [&] { ASSERT_EQ(s.settings.deleteApplication("ORVANT"), ""); });
    s.post(20, InputKind::Click, "lbl_newer");
    EXPECT_THROW(laptop(s.station), ProgramEnd);
    EXPECT_EQ(s.card.repliesGiven(), 0);
    EXPECT_FALSE(s.display.exchangeActive());
}

}  // namespace
}  // namespace orvant
