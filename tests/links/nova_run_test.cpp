#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "radio/sim/satellite_radios.h"
#include "support/pass_station.h"

// The program under NOVA on the sample station (AO-7 over London, January 2018), with NOVA's
// server scripted.

namespace orvant {
namespace {

using testing::PassStation;

constexpr LocalDateTime kInView{2018, 1, 21, 4, 35, 0, 0};

ConversationReply text(const std::string& t) {
    return {ConversationStatus::Ok, t};
}

const ConversationReply kTune = text("TUNE ON");
const ConversationReply kAo7Up = text("AO-7 AZ:120.4 EL:45.2 RR:-3.1 MA:77 Flip:No ");
const ConversationReply kAo7Down = text("AO-7 AZ:200.0 EL:-10.0 RR:2.0 MA:90 Flip:No ");

// NOVA echoes the start-up poke for a while: start-up asks again every 200 ms and gives up only
// after four echoes in a row.
TEST(NovaStartUp, AsksAgainWhileNovaEchoesThePoke) {
    struct Case {
        const char* name;
        std::vector<ConversationReply> replies;
        bool reachesLoop;
    };
    const Case cases[] = {
        {"ThreeEchoes", {kTune, kTune, kTune, kAo7Down}, true},
        {"FourEchoes", {kTune, kTune, kTune, kTune, kAo7Down}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PassStation p(kInView);
        p.conversations.answer("NFW32", "NFW_DATA", c.replies);
        const std::int64_t start = p.host.elapsedMs();
        EXPECT_EQ(p.startUpToTheLoop("NOVA"), c.reachesLoop);
        EXPECT_EQ(p.conversations.pokes,
                  std::vector<std::string>{"NFW32|NFW_DATA!NFW_SERVER=TUNE ON"});
        EXPECT_EQ(p.conversations.requests.size(), 4u);
        EXPECT_GE(p.host.elapsedMs() - start, 4 * 200);
        EXPECT_EQ(p.alerts.boxes.size(), c.reachesLoop ? 0u : 1u);
    }
}

// NOVA names AO-7 in view and later reports it down: the program loads AO-7's file, the antennas
// follow NOVA's bearing, and they are parked once the satellite has gone; its FT-847 is reset
// once after the pass, and once more at the exit.
TEST(NovaPass, LoadsTheSatelliteTracksAndParks) {
    PassStation p(kInView);
    sim::SatelliteRadios radios(p.station.sat);
    p.card.attachRadio(1, &radios.channel(1));
    std::vector<ConversationReply> replies(40, kAo7Up);
    replies.push_back(kAo7Down);
    p.conversations.answer("NFW32", "NFW_DATA", replies);
    int highestEl = 0;
    bool parkedAfterPass = false;
    p.observeEvery(1000, [&] {
        highestEl = std::max(highestEl, p.card.elevationCounts());
        parkedAfterPass = highestEl > 200 && !p.station.track.parkingDue &&
                          p.card.elevationCounts() < p.station.cfg.parkElToleranceCounts;
    });
    p.exitAt(600000);
    EXPECT_EQ(p.run("NOVA"), EndReason::Exit);
    EXPECT_EQ(p.display["lbl_sat_name"].caption, "AO-7.SAT");
    EXPECT_NEAR(highestEl, 45.2 / (180.0 / 1023), 12) << "the antennas followed NOVA";
    EXPECT_TRUE(parkedAfterPass);
    EXPECT_TRUE(p.alerts.boxes.empty());
    // Satellite mode on (4E) at the pass's set-up, off (8E) at each reset.
    const auto& relayed = p.card.relayed();
    const auto isCommand = [](const sim::CatRelay& r, int command) {
        return r.bytes.size() == 5 && r.bytes[4] == command;
    };
    const auto setUp = std::find_if(relayed.rbegin(), relayed.rend(),
                                    [&](const sim::CatRelay& r) { return isCommand(r, 0x4E); });
    ASSERT_NE(setUp, relayed.rend());
    EXPECT_EQ(std::count_if(relayed.rbegin(), setUp,
                            [&](const sim::CatRelay& r) { return isCommand(r, 0x8E); }),
              2);
}

}  // namespace
}  // namespace orvant
