#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "config/text_rules.h"
#include "frontend/headless_frontend.h"
#include "links/net_commands.h"
#include "radio/sim/satellite_radios.h"
#include "support/pass_station.h"
#include "support/program_run.h"
#include "tracking/net_source.h"

// gpredict driving the station over both protocols, in program time: AO-7's file (one FT-847 for
// both links) on the simulated card, the clients on the in-memory line servers.

namespace orvant {
namespace {

constexpr int kCycles = 40;  // gpredict's cycles, one a second

// Counts its polls: the loop polls once a pass.
struct CountingLineServer : FakeLineServer {
    using FakeLineServer::FakeLineServer;
    std::vector<ClientLine> poll() override {
        ++polls;
        return FakeLineServer::poll();
    }
    int polls = 0;
};

struct ServedStation : testing::PassStation {
    ServedStation() : PassStation({2018, 1, 21, 4, 30, 0, 0}) {
        platform.rotatorServer = &rotctld;
        platform.radioServer = &rigctld;
        declareNetSourceControl(station);
        card.attachRadio(1, &radios.channel(1));
        card.attachRadio(2, &radios.channel(2));
    }
    // Lines as gpredict formats them, the extended ones left aside.
    void type(FakeLineServer& server, int client, const char* format, double a = 0, double b = 0) {
        char line[64];
        std::snprintf(line, sizeof line, format, a, b);
        server.type(client, std::string(line) + "\n");
        ++typed;
    }
    std::int64_t dialHz(int band) {
        return radios.radioOf(2)->dial().vfo(band, sim::RadioDial::kVfoA).hz;
    }

    FakeLineServer rotctld{"127.0.0.1:4533", kMaxNetLine};
    CountingLineServer rigctld{"127.0.0.1:4532", kMaxNetLine};
    sim::SatelliteRadios radios{station.sat};
    int rotator = rotctld.connect();
    int radio = rigctld.connect();
    int typed = 0;
};

// One cycle of a pass: the bearings rise and fall, the downlink falls by 150 Hz a second as the
// Doppler turns, the uplink rises by 450 Hz.
struct Cycle {
    double az, el, downHz, upHz;
};
Cycle cycleOf(int k) {
    return {20 + 0.75 * k, 10 + 20 * std::sin(M_PI * k / kCycles), 145953007.0 - 150 * k,
            432147003.0 + 450 * k};
}

// Every second, as gpredict does: the rotator's target and a read of its bearings, the radio's
// downlink and uplink and a read of each.
TEST(NetReplay, GpredictsPassIsAnsweredAndReachesTheRotatorAndTheRadios) {
    ServedStation p;
    int cycle = 0;
    p.observeEvery(1000, [&] {
        if (cycle == kCycles) return;
        const Cycle c = cycleOf(cycle++);
        p.type(p.rotctld, p.rotator, "P %.2f %.2f", c.az, c.el);
        p.type(p.rotctld, p.rotator, "p");
        p.type(p.rigctld, p.radio, "F %10.0f", c.downHz);
        p.type(p.rigctld, p.radio, "I %10.0f", c.upHz);
        p.type(p.rigctld, p.radio, "f");
        p.type(p.rigctld, p.radio, "i");
    });
    p.exitAt((kCycles + 8) * 1000);
    p.run("AO-7");

    const std::vector<testing::TraceEvent> net = testing::eventsOf(p.traceText.str(), "net");
    EXPECT_EQ(static_cast<int>(net.size()), p.typed);
    for (const testing::TraceEvent& e : net)
        EXPECT_EQ(testing::fieldText(e.line, "reply").find("RPRT -"), std::string::npos) << e.line;
    const Cycle last = cycleOf(kCycles - 1);
    EXPECT_TRUE(p.rigctld.sent[p.radio].ends_with("RPRT 0\nRPRT 0\n145947157\n432164553\n"));
    EXPECT_NEAR(leadingNumber(p.display["lbl_Azfed"].caption), last.az, 3);
    EXPECT_NEAR(leadingNumber(p.display["lbl_Elfed"].caption), last.el, 3);
    // The FT-847 tunes in 10 Hz steps: the downlink on its main band, the uplink on its sub band,
    // as the client set them, without a correction of the station's own.
    EXPECT_EQ(p.dialHz(sim::RadioDial::kMain), 145947150);
    EXPECT_EQ(p.dialHz(sim::RadioDial::kSub), 432164550);
    const std::string served = "rotctld 127.0.0.1:4533, 1 client; rigctld 127.0.0.1:4532, 1 client";
    EXPECT_EQ(p.display[kNetSourceLabel].caption, served);
    EXPECT_TRUE(StatusLines().next(p.station).ends_with(" | " + served));
}

// Without a rotator client the orbit model points the antennas during AO-7's pass, and its range
// rate adds no Doppler to the frequencies a radio client set.
TEST(NetReplay, TheOrbitModelAddsNoDopplerToAClientsFrequencies) {
    ServedStation p;
    p.platform.rotatorServer = nullptr;
    p.observeEvery(1000, [&] {
        p.type(p.rigctld, p.radio, "F %10.0f", 145953007.0);
        p.type(p.rigctld, p.radio, "I %10.0f", 432147003.0);
    });
    p.exitAt(8000);
    p.run("AO-7");
    EXPECT_EQ(p.dialHz(sim::RadioDial::kMain), 145953000);
    EXPECT_EQ(p.dialHz(sim::RadioDial::kSub), 432147000);
}

// The loop's passes in the last 6 s of a 12 s run, while both clients send `burst` cycles every
// 100 ms, each burst ending on the same cycle.
int passesWhileClientsSend(int burst) {
    ServedStation p;
    int passesAtSix = -1;
    p.observeEvery(100, [&] {
        if (p.host.elapsedMs() >= 6000 && passesAtSix < 0) passesAtSix = p.rigctld.polls;
        for (int i = burst - 1; i >= 0; --i) {
            p.type(p.rotctld, p.rotator, "P %.2f %.2f", 20 + i * 0.1, 30);
            p.type(p.rotctld, p.rotator, "p");
            p.type(p.rigctld, p.radio, "F %10.0f", 145950000.0 + i * 100);
            p.type(p.rigctld, p.radio, "I %10.0f", 432150000.0 + i * 100);
        }
    });
    p.exitAt(12000);
    p.run("AO-7");
    return p.rigctld.polls - passesAtSix;
}

TEST(NetReplay, FloodingClientsDoNotSlowTheLoop) {
    const int calm = passesWhileClientsSend(1);
    ASSERT_GT(calm, 0);
    EXPECT_GE(passesWhileClientsSend(200), calm * 9 / 10);
}

}  // namespace
}  // namespace orvant
