#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "config/text_rules.h"
#include "frontend/headless_frontend.h"
#include "links/net_commands.h"
#include "radio/sim/satellite_radios.h"
#include "support/pass_station.h"
#include "support/program_run.h"
#include "tracking/main_loop.h"
#include "tracking/net_source.h"

// gpredict driving the station over both protocols, in program time: AO-7's file (one FT-847 for
// both links) on the simulated card, the clients on the in-memory line servers.

namespace orvant {
namespace {

constexpr int kCycles = 40;  // gpredict's cycles, one a second

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
    sim::RadioDial::Vfo& dial(int band) {
        return radios.radioOf(2)->dial().bands[band][sim::RadioDial::kVfoA];
    }
    std::int64_t dialHz(int band) { return dial(band).hz; }

    FakeLineServer rotctld{"127.0.0.1:4533", kMaxNetLine};
    FakeLineServer rigctld{"127.0.0.1:4532", kMaxNetLine};
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

// gpredict over a whole pass, as it was seen driving the station: engaged a minute before the
// rise, its rotator control points at the rise (elevation 0) and then reads the bearings every
// second, sending a new position only when the target has moved by its threshold (every 35 to
// 60 s), and at the set points at the next rise, elsewhere in the sky; its full-duplex radio
// control selects its VFOs with "S 1 Sub" and then reads and sets the downlink (F) and the
// uplink (I) every second.
constexpr std::int64_t kRiseMs = 61000;
constexpr std::int64_t kSetMs = kRiseMs + 389000;
// The positions of the pass, in seconds after the rise.
const std::int64_t kPositionsS[] = {0, 34, 94, 129, 169, 229, 264, 324, 359};

// One pass: no set-up of the radios before the rise and one at it, frequencies only while the
// satellite is up, no parking until the set and one reset after it, and the antennas at the
// waiting position before the rise and, once parked, after the set.
TEST(NetReplay, GpredictsWholePassIsOnePass) {
    ServedStation p;
    struct {
        std::vector<std::pair<std::int64_t, std::vector<std::uint8_t>>> relayed;
        std::int64_t loopFromMs = -1, parkingFromMs = -1;
        double azimuthBeforeRise = -1, azimuthAfterSet = -1;
    } w;
    std::size_t nextPosition = 0;
    p.observeEvery(100, [&] {
        const std::int64_t t = p.host.elapsedMs();
        for (std::size_t i = w.relayed.size(); i < p.card.relayed().size(); ++i)
            w.relayed.push_back({t, p.card.relayed()[i].bytes});
        if (w.loopFromMs < 0 && p.station.app.loopRunning) w.loopFromMs = t;
        if (w.parkingFromMs < 0 && p.station.track.parkingDue) w.parkingFromMs = t;
        const double azimuth = leadingNumber(p.display["lbl_Azfed"].caption);
        if (t == kRiseMs - 1000) w.azimuthBeforeRise = azimuth;
        if (t == kSetMs + 39000) w.azimuthAfterSet = azimuth;
        if (t % 1000 != 0 || t < 1000 || t > kSetMs + 30000) return;
        const double s = (t - kRiseMs) / 1000.0;
        if (t == 1000) {
            p.type(p.rotctld, p.rotator, "P %.2f %.2f", 250, 0);
            p.type(p.rigctld, p.radio, "S 1 Sub");
        } else if (nextPosition < std::size(kPositionsS) &&
                   t == kRiseMs + kPositionsS[nextPosition] * 1000) {
            ++nextPosition;
            p.type(p.rotctld, p.rotator, "P %.2f %.2f", 250 - 170 * s / 389,
                   60 * std::sin(M_PI * (s + 1) / 390));
        } else if (t == kSetMs) {
            p.type(p.rotctld, p.rotator, "P %.2f %.2f", 200, 0);
        }
        p.type(p.rotctld, p.rotator, "p");
        for (const char* line : {"f", "F  %.0f", "f", "i", "I  %.0f", "i"})
            p.type(p.rigctld, p.radio, line,
                   line[0] == 'F' ? 437809000 - 46 * s : 145987000 + 15 * s);
    });
    p.exitAt(kSetMs + 40000);
    p.run("AO-7");
    ASSERT_GE(w.loopFromMs, 0);
    const auto isCommand = [](const std::vector<std::uint8_t>& m, std::uint8_t command) {
        return m.size() == 5 && m[4] == command;
    };
    std::vector<std::int64_t> setUps, sends, resets;
    for (const auto& [t, bytes] : w.relayed) {
        if (t < w.loopFromMs) continue;
        if (isCommand(bytes, 0x4E)) setUps.push_back(t);  // the FT-847 into satellite mode
        if (isCommand(bytes, 0x21) || isCommand(bytes, 0x11)) sends.push_back(t);
        if (isCommand(bytes, 0x8E)) resets.push_back(t);  // and out of it
    }
    ASSERT_EQ(setUps.size(), 2u);  // uplink and downlink of one radio
    EXPECT_GE(setUps.front(), kRiseMs);
    EXPECT_LE(setUps.back(), kRiseMs + 3000);
    ASSERT_FALSE(sends.empty());
    EXPECT_GT(sends.front(), setUps.back());
    EXPECT_LE(sends.back(), kSetMs + 1000);
    EXPECT_GE(w.parkingFromMs, kSetMs);
    EXPECT_LE(w.parkingFromMs, kSetMs + 1000);
    // One reset after the set, and one at the exit.
    ASSERT_EQ(resets.size(), 2u);
    EXPECT_GE(resets.front(), kSetMs);
    EXPECT_LT(resets.front(), kSetMs + 39000);
    EXPECT_NEAR(w.azimuthBeforeRise, 250, 3);
    EXPECT_NEAR(w.azimuthAfterSet, 200, 3);
}

// A client that reads the bearings every 50 ms from the moment the program starts: the longest
// wait for an answer, before the satellite file is read (the controller's wake-up, two frames:
// each followed by a pause of 100 ms) and from then on (start-up's radio set-up, the loop's
// exchanges).
TEST(NetReplay, ClientsAreAnsweredWhileTheRadiosAreSetUp) {
    constexpr std::int64_t kSetUpFromMs = 300;
    ServedStation p;
    std::int64_t beforeSetUpMs = 0, fromSetUpMs = 0;
    std::vector<std::int64_t> typedAt;
    std::size_t answered = 0;
    p.observeEvery(10, [&] {
        const std::int64_t t = p.host.elapsedMs();
        // Each answer is two lines, the azimuth and the elevation.
        const std::string& sent = p.rotctld.sent[p.rotator];
        const auto answers =
            static_cast<std::size_t>(std::count(sent.begin(), sent.end(), '\n') / 2);
        for (; answered < answers; ++answered) {
            std::int64_t& longest = typedAt[answered] < kSetUpFromMs ? beforeSetUpMs : fromSetUpMs;
            longest = std::max(longest, t - typedAt[answered]);
        }
        if (t % 50 == 0 && t <= 6000) {
            p.type(p.rotctld, p.rotator, "p");
            typedAt.push_back(t);
        }
    });
    p.exitAt(7000);
    p.run("AO-7");
    EXPECT_LE(beforeSetUpMs, 200 + 10);
    EXPECT_LE(fromSetUpMs, kNetAnswerWithinMs);
}

// The downlink dial after a few seconds of AO-7's pass on the orbit model, with the radio server
// up or not; a connected client only reads the frequencies.
std::int64_t orbitModelsDownlinkDial(bool served) {
    ServedStation p;
    p.platform.rotatorServer = nullptr;
    if (!served) p.platform.radioServer = nullptr;
    p.observeEvery(1000, [&] { p.type(p.rigctld, p.radio, "f"); });
    p.exitAt(8000);
    p.run("AO-7");
    return p.dialHz(sim::RadioDial::kMain);
}

// Until a client sets a frequency, the bases are the satellite file's own and the station
// corrects them for Doppler as it does without the server.
TEST(NetReplay, AServerNoClientTunedThroughLeavesTheOrbitModelsDoppler) {
    const std::int64_t own = orbitModelsDownlinkDial(false);
    EXPECT_GT(std::llabs(own - 145950000), 500);  // the file's downlink, shifted
    EXPECT_EQ(orbitModelsDownlinkDial(true), own);
}

// A client's mode reaches the radio of its VFO's link; the radio ends on the client's
// frequencies in that mode.
TEST(NetReplay, AClientsModesReachTheRadiosOnItsFrequencies) {
    ServedStation p;
    p.platform.rotatorServer = nullptr;  // the orbit model follows AO-7's pass
    int tick = 0;
    p.observeEvery(1000, [&] {
        if (++tick != 3) return;
        for (const char* line : {"F 145953007", "I 432147003", "M CW 0", "V Sub", "M FM 0", "m",
                                 "V Main", "m", "M XYZ 0"})
            p.rigctld.type(p.radio, std::string(line) + "\n");
    });
    p.exitAt(8000);
    p.run("AO-7");
    EXPECT_TRUE(p.rigctld.sent[p.radio].ends_with("FM\n15000\nRPRT 0\nCW\n15000\nRPRT -1\n"));
    EXPECT_EQ(p.dial(sim::RadioDial::kMain).mode, "CW");
    EXPECT_EQ(p.dial(sim::RadioDial::kSub).mode, "FM");
    EXPECT_EQ(p.dialHz(sim::RadioDial::kMain), 145953000);
    EXPECT_EQ(p.dialHz(sim::RadioDial::kSub), 432147000);
}

// The operator turns the downlink radio's dial during a pass, by `turnHz` from where the client
// put it; the client reads the downlink every second.
struct DialScene {
    std::int64_t turnHz;
    const char* lastRead;  // the client's last read of the downlink
    std::int64_t dialHz;   // the dial at the end
};

TEST(NetReplay, TheDialIsWatchedForTheOperatorsHand) {
    const DialScene scenes[] = {
        {0, "145953007\n", 145953000},
        {40, "145953007\n", 145953000},    // within the gate and a step: the client's own value
        {6000, "145959000\n", 145959000},  // turned: read at the satellite, and sent from there
    };
    for (const DialScene& scene : scenes) {
        SCOPED_TRACE(scene.turnHz);
        ServedStation p;
        int tick = 0;
        p.observeEvery(1000, [&] {
            p.type(p.rotctld, p.rotator, "P %.2f %.2f", 180, 45);
            if (++tick == 2) p.type(p.rigctld, p.radio, "F %10.0f", 145953007.0);
            if (tick == 6) p.dial(sim::RadioDial::kMain).hz += scene.turnHz;
            if (tick > 9) return;
            p.rigctld.sent[p.radio].clear();
            p.type(p.rigctld, p.radio, "f");
        });
        p.exitAt(11000);
        p.run("AO-7");
        EXPECT_EQ(p.rigctld.sent[p.radio], scene.lastRead);
        EXPECT_EQ(p.dialHz(sim::RadioDial::kMain), scene.dialHz);
        EXPECT_EQ(p.alerts.beeps, 0);
    }
}

// A radio that never answers: the clients go on reading their own values, the loop goes on
// without a beep or a box, and the trace tells of each refused read.
TEST(NetReplay, ARadioThatNeverAnswersIsWatchedSilently) {
    ServedStation p;
    p.platform.rotatorServer = nullptr;
    p.radios.radioOf(2)->setSilent(true);
    int tick = 0;
    p.observeEvery(1000, [&] {
        if (++tick == 2) p.type(p.rigctld, p.radio, "F %10.0f", 145953007.0);
        if (tick > 6) return;
        p.rigctld.sent[p.radio].clear();
        p.type(p.rigctld, p.radio, "f");
    });
    p.exitAt(8000);
    p.run("AO-7");
    EXPECT_EQ(p.rigctld.sent[p.radio], "145953007\n");
    EXPECT_EQ(p.alerts.beeps, 0);
    EXPECT_TRUE(p.alerts.boxes.empty());
    const std::vector<testing::TraceEvent> reads = testing::eventsOf(p.traceText.str(), "dial");
    ASSERT_GE(reads.size(), 2u);
    for (const testing::TraceEvent& e : reads)
        EXPECT_EQ(testing::fieldText(e.line, "outcome"), "\"refused\"") << e.line;
}

// The loop's passes in the last 6 s of a 12 s run, while both clients send `burst` cycles every
// 100 ms, each burst ending on the same cycle.
int passesWhileClientsSend(int burst) {
    ServedStation p;
    p.observeEvery(100, [&] {
        for (int i = burst - 1; i >= 0; --i) {
            p.type(p.rotctld, p.rotator, "P %.2f %.2f", 20 + i * 0.1, 30);
            p.type(p.rotctld, p.rotator, "p");
            p.type(p.rigctld, p.radio, "F %10.0f", 145950000.0 + i * 100);
            p.type(p.rigctld, p.radio, "I %10.0f", 432150000.0 + i * 100);
        }
    });
    if (!p.startUpToTheLoop("AO-7")) return 0;
    int passes = 0;
    while (p.host.elapsedMs() < 12000) {
        const bool counted = p.host.elapsedMs() >= 6000;
        loopPass(p.station);
        passes += counted;
    }
    return passes;
}

TEST(NetReplay, FloodingClientsDoNotSlowTheLoop) {
    const int calm = passesWhileClientsSend(1);
    ASSERT_GT(calm, 0);
    EXPECT_GE(passesWhileClientsSend(200), calm * 9 / 10);
}

}  // namespace
}  // namespace orvant
