#include "shutdown/shutdown.h"

#include <gtest/gtest.h>

#include <optional>

#include "station/handoff.h"
#include "station/program_end.h"
#include "station/waits.h"
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

// A CI-V message from the PC to the radio at `address`.
Bytes civ(std::uint8_t address, const Bytes& command) {
    Bytes message{0xFE, 0xFE, address, 0xE0};
    for (const std::uint8_t b : command) message.push_back(b);
    message.push_back(0xFD);
    return message;
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

// Radio set-ups whose shutdown messages differ; each ends by starting the parking.
struct ShutdownCase {
    const char* name;
    std::int16_t upType, dnType, upFamily, dnFamily;
    std::vector<Sent> expected;
    std::string memory = "123";
    std::int16_t catSide = 0;
    std::vector<std::pair<int, int>> slots = {};  // frame slots as left after the shutdown
    std::optional<std::int64_t> elapsedMs = {};
    int refused = 0;  // messages refused (each with a beep) because their data holds a 240
};

TEST(Shutdown, EachRadioSetupGetsItsOwnMessagesThenParkingStarts) {
    const std::int64_t ts2000Ms = 200 + 50 + 200 + 100;
    // clang-format off
    const ShutdownCase cases[] = {
        {"Ic910DownlinkOnItsMainBand", 15, 27, 0, 2,
         {{2, civ(0x60, {0x07, 0xD0})}, {2, civ(0x60, {0x08, 0x7B})}}},
        {"ReceiverAtAddress74SetToItsMemoryChannel", 15, 14, 0, 4,
         {{2, civ(0x4A, {0x08, 0xA0, 0x00})}, {2, civ(0x4A, {0x08, 0x7B})}}},
        // Each text command ends in an end byte, so the shorter downlink text does not carry
        // the tail of the uplink text left in the frame.
        {"TextRadiosGetTheLastTwoCharactersAsChannel", 15, 14, 3, 3,
         {{1, text("DC0;SP0;MC 23;")}, {2, text("DC1;MC 23;")}}, "123", 0, {{16, 240}}},
        // A TS-2000 leaves satellite mode on the link that holds it, whichever was served last;
        // the radio beside it gets its own messages.
        {"Ts2000OnTheUplink", 26, 14, 3, 2,
         {{1, text("SA0000000;")}, {1, text("FR0;FA00016000000;")},
          {2, civ(0x60, {0x07, 0xD0})}, {2, civ(0x60, {0x08, 0x7B})}},
         "123", 1, {}, ts2000Ms + 2 * 250},
        {"Ts2000OnTheDownlink", 15, 26, 2, 3,
         {{1, civ(0x4C, {0x07, 0xD0})}, {1, civ(0x4C, {0x0F, 0x10})}, {1, civ(0x4C, {0x08, 0x7B})},
          {2, text("SA0000000;")}, {2, text("FR0;FA00016000000;")}},
         "123", 0, {}, ts2000Ms + 3 * 250},
        {"Ts2000OnBothLinks", 26, 26, 3, 3,
         {{2, text("SA0000000;")}, {2, text("FR0;FA00016000000;")}}, "123", 0, {}, ts2000Ms},
        {"OneIc910ForBothLinksGetsOnlyTheSingleMessage", 27, 27, 2, 2,
         {{2, civ(0x60, {0x1A, 0x07, 0x00})}}, "123", 0, {{10, 240}, {11, 240}}},
        // Channel 255 is a channel like any other: a CI-V radio gets no five-byte commands.
        {"ChannelTwoHundredFiftyFive", 15, 14, 2, 2,
         {{1, civ(0x4C, {0x07, 0xD0})}, {1, civ(0x4C, {0x0F, 0x10})}, {1, civ(0x4C, {0x08, 0xFF})},
          {2, civ(0x60, {0x07, 0xD0})}, {2, civ(0x60, {0x08, 0xFF})}}, "MEM255", 0, {},
         // Each message: 100 ms before and 100 ms after the frame, then 50 ms; then the parking.
         5 * 250 + 100},
        {"FamiliesWithoutShutdownCommandsSendNothing", 15, 14, 21, 7, {}},
        // Channel 240 is the card's end byte: the recall would reach the radio cut short.
        {"ChannelTwoHundredFortyIsRefusedRatherThanCut", 15, 14, 2, 0,
         {{1, civ(0x4C, {0x07, 0xD0})}, {1, civ(0x4C, {0x0F, 0x10})}}, "240", 0, {}, {}, 1},
    };
    // clang-format on
    for (const ShutdownCase& c : cases) {
        SCOPED_TRACE(c.name);
        ShutdownStation s;
        s.station.sat.uplinkRadioType = c.upType;
        s.station.sat.downlinkRadioType = c.dnType;
        s.station.radio.uplinkFamily = c.upFamily;
        s.station.radio.downlinkFamily = c.dnFamily;
        s.station.radio.uplinkCivAddress = 0x4C;
        s.station.radio.downlinkCivAddress = 0x60;
        s.station.radio.catSide = c.catSide;
        s.station.cfg.memoryChannel = c.memory;
        closeAll(s.station);
        EXPECT_EQ(s.sent(), c.expected);
        EXPECT_EQ(s.card.framesTaken(), static_cast<int>(c.expected.size()) + 1);
        for (const auto& [index, value] : c.slots) EXPECT_EQ(s.slot(index), value) << index;
        if (c.elapsedMs) {
            EXPECT_EQ(s.host.elapsedMs(), *c.elapsedMs);
        }
        EXPECT_EQ(s.station.radio.uplinkFamily, c.upFamily);
        EXPECT_EQ(s.alerts.beeps, c.refused);
        EXPECT_EQ(s.traced("cat_refused").size(), static_cast<std::size_t>(c.refused));
        s.expectParkingStarted();
    }
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
    for (const auto& [i, t] : {std::pair{0, 100}, {1, 300}, {2, 600}, {3, 1000}})
        EXPECT_EQ(cats[i].rfind("{\"t\":" + std::to_string(t) + ",", 0), 0u) << cats[i];
    s.expectParkingStarted();
}

TEST(Shutdown, OneFiveByteRadioForBothLinksGetsItsMessagesOnceThenParkingStarts) {
    ShutdownStation s;
    s.station.sat.uplinkRadioType = 1;
    s.station.sat.downlinkRadioType = 1;
    s.station.radio.uplinkFamily = 1;
    s.station.radio.downlinkFamily = 1;
    closeAll(s.station);
    EXPECT_EQ(s.sent().size(), 3u);
    EXPECT_EQ(s.card.framesTaken(), 4);
    s.expectParkingStarted();
}

// The reason a call ends the program with; none when it returns.
template <typename F>
std::optional<EndReason> endOf(F&& call) {
    try {
        call();
    } catch (const ProgramEnd& end) {
        return end.reason;
    }
    return std::nullopt;
}

TEST(Shutdown, ALostHandoffSendsNothingAndEndsTheProgram) {
    ShutdownStation s;
    s.station.radio.uplinkFamily = 2;
    ASSERT_EQ(s.settings.deleteApplication("ORVANT"), "");  // a newer instance took over
    s.port.accesses.clear();
    EXPECT_EQ(endOf([&] { closeAll(s.station); }), EndReason::Handoff);
    EXPECT_EQ(s.station.track.closeDone, 0);
    EXPECT_THROW(cmd_Bye_Click(s.station), ProgramEnd);
    EXPECT_TRUE(s.port.accesses.empty());
}

TEST(Shutdown, BeforeTheLoopRunsTheMissingEntryAlsoEndsShutdownAtOnce) {
    ShutdownStation s;
    s.station.app.loopRunning = false;
    ASSERT_EQ(s.settings.deleteApplication("ORVANT"), "");  // a newer instance took over
    EXPECT_THROW(closeAll(s.station), ProgramEnd);
    EXPECT_EQ(s.card.framesTaken(), 0);

    // Exit pressed then (say in the file list) ends the program as an exit, with nothing sent.
    s.port.accesses.clear();
    EXPECT_EQ(endOf([&] { cmd_Bye_Click(s.station); }), EndReason::Exit);
    EXPECT_TRUE(s.port.accesses.empty());
}

// Two instances that both reached their loops: the older one's Exit neither shuts the newer one's
// radios down nor deletes its hand-off entry.
TEST(ExitButton, NeverRemovesANewerInstancesEntry) {
    ShutdownStation s;
    takeOverHandoff(s.station);
    make_regist(s.station);
    Station newer(s.platform, s.pump, s.display);
    takeOverHandoff(newer);
    make_regist(newer);
    EXPECT_EQ(endOf([&] { cmd_Bye_Click(s.station); }), EndReason::Handoff);
    EXPECT_EQ(s.card.framesTaken(), 0);
    EXPECT_EQ(s.settings.get("ORVANT", "Startup", "Left", ""), "ORVANT");
    get_regist(newer);
    EXPECT_TRUE(handoffHeld(newer));
}

TEST(ExitButton, ShutsDownReleasesTheCardAndLeavesNoHandoffEntry) {
    ShutdownStation s;
    s.station.radio.uplinkFamily = 3;
    s.post(0, InputKind::Click, "cmd_Bye");
    EXPECT_EQ(endOf([&] { waitUntil(s.station, [] { return false; }); }), EndReason::Exit);
    EXPECT_EQ(s.sent().size(), 1u);
    EXPECT_EQ(s.port.writesTo(SimStation::kBase).back(), 0);
    EXPECT_EQ(s.port.writesTo(SimStation::kBase + 2).back(), 1);
    EXPECT_TRUE(s.card.silent() || s.card.read(SimStation::kBase + 1) < 0x80);  // held in reset
    EXPECT_EQ(s.settings.get("ORVANT", "Startup", "Left", "gone"), "gone");
    EXPECT_FALSE(s.display.exchangeActive());
}

}  // namespace
}  // namespace orvant
