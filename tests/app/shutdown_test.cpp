#include "app/shutdown.h"

#include <gtest/gtest.h>

#include "app/handoff.h"
#include "app/program_end.h"
#include "app/waits.h"
#include "support/sim_station.h"

namespace orvant {
namespace {

using testing::RecordingRadio;
using testing::SimStation;

using Bytes = std::vector<std::uint8_t>;
struct Sent {
    int channel;
    Bytes bytes;
    bool operator==(const Sent&) const = default;
};

Bytes text(const std::string& t) {
    return Bytes(t.begin(), t.end());
}

// A running station whose uplink radio sits on card channel 1 and downlink radio on channel 2.
struct ShutdownStation : SimStation {
    ShutdownStation() {
        station.app.loopRunning = true;
        make_regist(station);
        station.link.radio1SendCode = 57;
        station.link.radio2SendCode = 59;
        card.attachRadio(1, &uplinkRadio);
        card.attachRadio(2, &downlinkRadio);
        station.cfg.memoryChannel = "123";
        station.sat.uplinkRadioType = 15;
        station.sat.downlinkRadioType = 14;
    }
    std::vector<Sent> sent() const {
        std::vector<Sent> all;
        for (const sim::CatRelay& r : card.relayed()) all.push_back({r.channel, r.bytes});
        return all;
    }
    void expectParkingStarted() {
        EXPECT_EQ(station.track.closeDone, 1);
        EXPECT_TRUE(station.track.parkingDue);
        EXPECT_EQ(card.lastFrame()[63], 0);
        EXPECT_EQ(card.lastFrame()[64], 0);
        EXPECT_EQ(slot(62), 1);
    }
    RecordingRadio uplinkRadio;
    RecordingRadio downlinkRadio;
};

TEST(Shutdown, CivRadiosLeaveSatelliteModeAndRecallTheMemoryChannel) {
    ShutdownStation s;
    s.station.radio.uplinkFamily = 2;
    s.station.radio.uplinkCivAddress = 0x4C;
    s.station.radio.downlinkFamily = 2;
    s.station.radio.downlinkCivAddress = 0x42;
    closeAll(s.station);
    const std::vector<Sent> expected{
        {1, {0xFE, 0xFE, 0x4C, 0xE0, 0x07, 0xD0, 0xFD}},
        {1, {0xFE, 0xFE, 0x4C, 0xE0, 0x0F, 0x10, 0xFD}},
        {1, {0xFE, 0xFE, 0x4C, 0xE0, 0x08, 0x7B, 0xFD}},
        {2, {0xFE, 0xFE, 0x42, 0xE0, 0x07, 0xD1, 0xFD}},
        {2, {0xFE, 0xFE, 0x42, 0xE0, 0x08, 0x7B, 0xFD}},
    };
    EXPECT_EQ(s.sent(), expected);
    EXPECT_EQ(s.uplinkRadio.received.size(), 3u);
    EXPECT_EQ(s.downlinkRadio.received.size(), 2u);
    EXPECT_EQ(s.card.framesTaken(), 6);
    // Each message: 100 ms before and 100 ms after the frame, then 50 ms; then the parking frame.
    EXPECT_EQ(s.host.elapsedMs(), 5 * 250 + 100);
    const auto cats = s.traced("cat");
    ASSERT_EQ(cats.size(), 5u);
    EXPECT_NE(cats[0].find("\"radio\":1,\"channel\":1"), std::string::npos);
    EXPECT_NE(cats[4].find("\"radio\":2,\"channel\":2"), std::string::npos);
    s.expectParkingStarted();
}

TEST(Shutdown, AnIc910DownlinkIsAddressedOnItsMainBand) {
    ShutdownStation s;
    s.station.sat.downlinkRadioType = 27;
    s.station.radio.downlinkFamily = 2;
    s.station.radio.downlinkCivAddress = 0x60;
    closeAll(s.station);
    const std::vector<Sent> expected{
        {2, {0xFE, 0xFE, 0x60, 0xE0, 0x07, 0xD0, 0xFD}},
        {2, {0xFE, 0xFE, 0x60, 0xE0, 0x08, 0x7B, 0xFD}},
    };
    EXPECT_EQ(s.sent(), expected);
    s.expectParkingStarted();
}

TEST(Shutdown, AReceiverAtAddress74IsSetToItsMemoryChannel) {
    ShutdownStation s;
    s.station.radio.downlinkFamily = 4;
    closeAll(s.station);
    const std::vector<Sent> expected{
        {2, {0xFE, 0xFE, 0x4A, 0xE0, 0x08, 0xA0, 0x00, 0xFD}},
        {2, {0xFE, 0xFE, 0x4A, 0xE0, 0x08, 0x7B, 0xFD}},
    };
    EXPECT_EQ(s.sent(), expected);
}

TEST(Shutdown, TextRadiosGetTheLastTwoCharactersAsChannel) {
    ShutdownStation s;
    s.station.radio.uplinkFamily = 3;
    s.station.radio.downlinkFamily = 3;
    closeAll(s.station);
    // Each text command ends in an end byte, so the shorter downlink text does not carry the
    // tail of the uplink text left in the frame.
    const std::vector<Sent> expected{{1, text("DC0;SP0;MC 23;")}, {2, text("DC1;MC 23;")}};
    EXPECT_EQ(s.sent(), expected);
    EXPECT_EQ(s.slot(16), 240);
    s.expectParkingStarted();
}

TEST(Shutdown, ATs2000LeavesSatelliteModeOnTheLinkLastServed) {
    for (const std::int16_t side : {0, 1}) {
        ShutdownStation s;
        s.station.sat.uplinkRadioType = 26;
        s.station.radio.catSide = side;
        s.station.radio.uplinkFamily = 3;
        s.station.radio.downlinkFamily = 3;
        closeAll(s.station);
        const std::vector<Sent> expected{{2, text("SA0000000;")},
                                         {side == 1 ? 2 : 1, text("FR0;FA00016000000;")}};
        EXPECT_EQ(s.sent(), expected) << "catSide " << side;
        EXPECT_EQ(s.host.elapsedMs(), 200 + 50 + 200 + 100);
        s.expectParkingStarted();
    }
}

TEST(Shutdown, OneIc910ForBothLinksGetsOnlyTheSingleMessage) {
    ShutdownStation s;
    s.station.sat.uplinkRadioType = 27;
    s.station.sat.downlinkRadioType = 27;
    s.station.radio.uplinkFamily = 2;
    s.station.radio.downlinkFamily = 2;
    closeAll(s.station);
    const std::vector<Sent> expected{{2, {0xFE, 0xFE, 0x60, 0xE0, 0x1A, 0x07, 0x00, 0xFD}}};
    EXPECT_EQ(s.sent(), expected);
    EXPECT_EQ(s.slot(10), 240);
    EXPECT_EQ(s.slot(11), 240);
    s.expectParkingStarted();
}

TEST(Shutdown, ChannelTwoHundredFiftyFiveMakesTheUplinkAFiveByteRadio) {
    ShutdownStation s;
    s.station.cfg.memoryChannel = "MEM255";
    s.station.radio.uplinkFamily = 2;
    s.station.radio.uplinkCivAddress = 0x4C;
    s.station.radio.downlinkFamily = 3;
    closeAll(s.station);
    const std::vector<Sent> expected{{1, {0, 0, 0, 0, 0x8E}},
                                     {1, {0, 0, 0, 0, 0x88}},
                                     {1, {0, 0, 0, 0, 0x80}},
                                     {2, text("DC1;MC 55;")}};
    EXPECT_EQ(s.sent(), expected);
    EXPECT_EQ(s.station.radio.uplinkFamily, 1);
    s.expectParkingStarted();
}

TEST(Shutdown, FiveByteCommandsKeepTheirWaits) {
    ShutdownStation s;
    s.station.radio.uplinkFamily = 1;
    s.station.radio.downlinkFamily = 1;
    closeAll(s.station);
    ASSERT_EQ(s.sent().size(), 6u);
    EXPECT_EQ(s.sent()[3], (Sent{2, {0, 0, 0, 0, 0x8E}}));
    const auto cats = s.traced("cat");
    ASSERT_EQ(cats.size(), 6u);
    // Frames leave after the 100 ms CAT pause: 100, 300, then 100 ms more before the third.
    EXPECT_EQ(cats[0].rfind("{\"t\":100,", 0), 0u) << cats[0];
    EXPECT_EQ(cats[1].rfind("{\"t\":300,", 0), 0u) << cats[1];
    EXPECT_EQ(cats[2].rfind("{\"t\":600,", 0), 0u) << cats[2];
    EXPECT_EQ(cats[3].rfind("{\"t\":1000,", 0), 0u) << cats[3];
    s.expectParkingStarted();
}

TEST(Shutdown, OneFiveByteRadioForBothLinksStopsAfterTheUplink) {
    ShutdownStation s;
    s.station.sat.uplinkRadioType = 1;
    s.station.sat.downlinkRadioType = 1;
    s.station.radio.uplinkFamily = 1;
    s.station.radio.downlinkFamily = 1;
    closeAll(s.station);
    EXPECT_EQ(s.sent().size(), 3u);
    EXPECT_EQ(s.card.framesTaken(), 3);  // no parking frame
    EXPECT_EQ(s.host.elapsedMs(), 900);
    EXPECT_EQ(s.station.track.closeDone, 0);
    EXPECT_FALSE(s.station.track.parkingDue);
}

TEST(Shutdown, FamiliesWithoutShutdownCommandsSendNothingButParkingStarts) {
    ShutdownStation s;
    s.station.radio.uplinkFamily = 21;
    s.station.radio.downlinkFamily = 7;
    closeAll(s.station);
    EXPECT_TRUE(s.sent().empty());
    EXPECT_EQ(s.card.framesTaken(), 1);
    s.expectParkingStarted();
}

TEST(Shutdown, ALostHandoffSendsNothingAndEndsTheProgram) {
    ShutdownStation s;
    s.station.radio.uplinkFamily = 2;
    kill_regist(s.station);
    s.port.accesses.clear();
    try {
        closeAll(s.station);
        FAIL() << "the program should have ended";
    } catch (const ProgramEnd& end) {
        EXPECT_EQ(end.reason, EndReason::Handoff);
    }
    EXPECT_TRUE(s.port.accesses.empty());
    EXPECT_EQ(s.station.track.closeDone, 0);

    EXPECT_THROW(cmd_Bye_Click(s.station), ProgramEnd);
    EXPECT_TRUE(s.port.accesses.empty());
}

TEST(Shutdown, BeforeTheLoopRunsTheMissingEntryAlsoEndsShutdownAtOnce) {
    ShutdownStation s;
    s.station.app.loopRunning = false;
    kill_regist(s.station);
    EXPECT_THROW(closeAll(s.station), ProgramEnd);
    EXPECT_EQ(s.card.framesTaken(), 0);

    // Exit pressed then (say in the file list) ends the program as an exit, with nothing sent.
    s.port.accesses.clear();
    try {
        cmd_Bye_Click(s.station);
        FAIL() << "the program should have ended";
    } catch (const ProgramEnd& end) {
        EXPECT_EQ(end.reason, EndReason::Exit);
    }
    EXPECT_TRUE(s.port.accesses.empty());
}

TEST(ExitButton, ShutsDownReleasesTheCardAndLeavesNoHandoffEntry) {
    ShutdownStation s;
    s.station.radio.uplinkFamily = 3;
    s.post(0, InputKind::Click, "cmd_Bye");
    try {
        waitUntil(s.station, [] { return false; });
        FAIL() << "the program should have ended";
    } catch (const ProgramEnd& end) {
        EXPECT_EQ(end.reason, EndReason::Exit);
    }
    EXPECT_EQ(s.sent().size(), 1u);
    EXPECT_EQ(s.port.writesTo(SimStation::kBase).back(), 0);
    EXPECT_EQ(s.port.writesTo(SimStation::kBase + 2).back(), 1);
    EXPECT_TRUE(s.card.silent() || s.card.read(SimStation::kBase + 1) < 0x80);  // held in reset
    EXPECT_EQ(s.settings.get("ORVANT", "Startup", "Left", "gone"), "gone");
    EXPECT_FALSE(s.display.exchangeActive());
}

}  // namespace
}  // namespace orvant
