// The sample station on the card of the PC's own, with real peers: AO-7's FT-847 of the
// simulated radios answers on the far end of a pseudo-terminal pair, and Hamlib's rotctld with its
// dummy rotator plays the rotator. The program runs on the virtual clock; the dummy turns in real
// time, so where the test looks at it, the program's clock stands still until it arrives.

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "radio/sim/five_byte_commands.h"
#include "support/pc_station.h"

namespace orvant {
namespace {

using testing::PcPassStation;
using testing::PtyRadio;
using testing::RotctldDaemon;
using Bytes = std::vector<std::uint8_t>;

constexpr LocalDateTime kBeforeAo7{2018, 1, 21, 4, 25, 0, 0};  // AO-7 is up from 04:26 to 04:49
constexpr LocalDateTime kAo7Up{2018, 1, 21, 4, 29, 0, 0};
constexpr std::int64_t kMinute = 60000;
constexpr std::int64_t kAo7SetsMs = 24 * kMinute;  // from kBeforeAo7

// The FT-847 of the simulated radios, on the far end of a pseudo-terminal: five-byte blocks.
struct Ft847OnAPty {
    sim::SimulatedRadio radio{std::make_unique<sim::FiveByteCommands>(RadioDriver::Ft847)};
    PtyRadio pty{5, [this](const Bytes& block) { return radio.receive(block); }};
};

// The bearings of a frame's targets on the sample station's rotator (type 2: north at count 0,
// 450/1023 degrees a count; elevation 180/1023), worked out here rather than by the card.
pc::Bearings targetOf(const SentBytes& frame) {
    return {(256 * frame[45] + frame[46]) * 450.0 / 1023,
            (256 * frame[47] + frame[48]) * 180.0 / 1023};
}

bool near(const pc::Bearings& a, const pc::Bearings& b, double within) {
    return std::abs(a.azimuth - b.azimuth) <= within &&
           std::abs(a.elevation - b.elevation) <= within;
}

// Waits in real time, the program's clock standing still, until the dummy stands at `target`
// (10 s at most); where it stands then.
pc::Bearings dummyArrivedAt(const RotctldDaemon& rotctld, const pc::Bearings& target) {
    std::optional<pc::Bearings> at;
    for (int i = 0; i < 200 && !(at && near(*at, target, 0.1)); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        at = rotctld.position();
    }
    return at.value_or(pc::Bearings{-1, -1});
}

Bytes relayedOn(const sim::SimControllerCard& card, int channel) {
    Bytes all;
    for (const sim::CatRelay& r : card.relayed())
        if (r.channel == channel) all.insert(all.end(), r.bytes.begin(), r.bytes.end());
    return all;
}

// The FT-847's shutdown: satellite mode off, 88, CAT off.
const Bytes kFt847Reset = {0, 0, 0, 0, 0x8E, 0, 0, 0, 0, 0x88, 0, 0, 0, 0, 0x80};

TEST(PcCardPass, Ao7OnTheSerialLineAndTheDummyRotator) {
    RotctldDaemon rotctld;
    Ft847OnAPty ft847;
    PcPassStation p(kBeforeAo7, ft847.pty, rotctld);
    pc::Bearings satellite, dummy, shown, standing;
    bool parkedAfterPass = false;
    p.observeEvery(1000, [&] {
        const std::int64_t now = p.host.elapsedMs();
        if (now == 2 * kMinute) {  // 04:27: AO-7 at azimuth 19, elevation 3
            dummy = dummyArrivedAt(rotctld, targetOf(p.card.lastFrame()));
            satellite = {static_cast<double>(p.station.track.satAzimuth),
                         static_cast<double>(p.station.track.satElevation)};
        }
        if (now == 3 * kMinute) {  // the window's read-back, in whole degrees, and the dummy
            shown = {std::stod(p.display["lbl_Azfed"].caption),
                     std::stod(p.display["lbl_Elfed"].caption)};
            standing = rotctld.position().value_or(pc::Bearings{-9, -9});
        }
        if (now == 10 * kMinute) p.post(0, InputKind::DblClick, "lbl_down_read");
        if (now > kAo7SetsMs && p.display["lbl_parked"].visible && !parkedAfterPass) {
            parkedAfterPass = true;
            p.post(0, InputKind::Click, "cmd_Bye");
        }
    });
    p.exitAt(45 * kMinute);
    ASSERT_EQ(p.run("AO-7"), EndReason::Exit);
    ft847.pty.unplug();

    EXPECT_TRUE(p.faults.empty()) << p.faults.front();
    // The rotator followed the satellite (within the update step of 2 degrees), and the window
    // showed where the dummy stood.
    EXPECT_TRUE(near(dummy, satellite, 2.5)) << dummy.azimuth << " " << dummy.elevation << " for "
                                             << satellite.azimuth << " " << satellite.elevation;
    EXPECT_TRUE(near(shown, standing, 1.5)) << shown.azimuth << " " << shown.elevation << " for "
                                            << standing.azimuth << " " << standing.elevation;
    // It parked at the horizon after the pass (park azimuth 0: the elevation only), within the
    // parking elevation tolerance of the sample's ORV.CFG (value 34: 2 degrees).
    EXPECT_TRUE(parkedAfterPass);
    const std::optional<pc::Bearings> end = rotctld.position();
    ASSERT_TRUE(end.has_value());
    EXPECT_LE(end->elevation, 2 + 180.0 / 1023);
    // Every CAT byte the card relays on channel 1 reached the radio, in order, and nothing else;
    // the read-back's answer came back through the line (an unanswered read-back beeps).
    const Bytes heard = ft847.pty.heard();
    EXPECT_EQ(heard, relayedOn(p.card, 1));
    EXPECT_TRUE(relayedOn(p.card, 2).empty());
    EXPECT_EQ(p.alerts.beeps, 0);
    // Exit reset the radio: its shutdown messages came last, and it left CAT control.
    ASSERT_GE(heard.size(), kFt847Reset.size());
    EXPECT_EQ(Bytes(heard.end() - static_cast<std::ptrdiff_t>(kFt847Reset.size()), heard.end()),
              kFt847Reset);
    EXPECT_FALSE(ft847.radio.dial().catOn);
}

// Fault drills: AO-7 tracked from 04:29, the fault ten seconds later (while the dummy is still on
// its way to the satellite), Exit at 04:33. Every drill ends at Exit without hanging; each says
// what the operator sees and checks it.
constexpr std::int64_t kFaultMs = 10000;

struct Rig {
    RotctldDaemon rotctld;
    Ft847OnAPty ft847;
    PcPassStation p{kAo7Up, ft847.pty, rotctld};
};

struct Drill {
    const char* name;
    const char* operatorSees;
    std::function<void(Rig&)> fault;
    std::int64_t recoverAfterMs;  // 0: no recovery
    std::function<void(Rig&)> recover;
    std::function<void(Rig&)> check;
};

void PrintTo(const Drill& drill, std::ostream* os) {
    *os << drill.name;
}

bool says(const std::vector<std::string>& faults, const std::string& what) {
    return faults.size() == 1 && faults[0].find(what) != std::string::npos;
}

const std::vector<Drill>& drills() {
    static const std::vector<Drill> all = {
        {"SerialDeviceUnpluggedMidPass",
         "the card's fault is said once, the check mark turns red and the four causes come "
         "twice; the rotator stops where it stands",
         [](Rig& r) { r.ft847.pty.unplug(); },
         0,
         {},
         [](Rig& r) {
             EXPECT_TRUE(says(r.p.faults, r.ft847.pty.device() + ": the device went away"));
             EXPECT_TRUE(says(r.p.faults, "the rotator was stopped"));
             EXPECT_EQ(r.p.alerts.boxes.size(), 2u);
             EXPECT_EQ(r.p.display["lbl_satpos"].caption, "Demo Mode");
             EXPECT_TRUE(r.p.display["red_check"].visible);
             // It was on its way to AO-7 (azimuth 18, elevation 11) and stays where it stopped.
             const auto first = r.rotctld.position();
             std::this_thread::sleep_for(std::chrono::milliseconds(300));
             const auto second = r.rotctld.position();
             ASSERT_TRUE(first && second);
             EXPECT_LT(first->elevation, 10);
             EXPECT_TRUE(near(*first, *second, 0));
         }},
        {"RotctldKilledMidPassAndBackAfterAReset",
         "the card's fault is said once, the check mark turns red and the four causes come "
         "twice; with the daemon back, Reset System brings the card back",
         [](Rig& r) { r.rotctld.kill(); }, 30000,
         [](Rig& r) {
             r.rotctld.start();
             r.p.post(0, InputKind::Click, "lbl_reset");
         },
         [](Rig& r) {
             EXPECT_TRUE(says(r.p.faults, "rotctld at " + r.rotctld.address().text()));
             EXPECT_EQ(r.p.alerts.boxes.size(), 2u);
             EXPECT_TRUE(r.p.display["wht_check"].visible);
             EXPECT_GT(r.p.pcCard->resets(), 0);
         }},
        {"RadioThatNeverAnswersAReadBack",
         "a beep for the unanswered read-back, no dialog; tracking goes on",
         [](Rig& r) {
             r.ft847.pty.setAnswering(false);
             r.p.post(0, InputKind::DblClick, "lbl_down_read");
         },
         0,
         {},
         [](Rig& r) {
             EXPECT_EQ(r.p.alerts.beeps, 1);
             EXPECT_TRUE(r.p.alerts.boxes.empty());
             EXPECT_TRUE(r.p.faults.empty());
             EXPECT_TRUE(r.p.display["wht_check"].visible);
         }},
    };
    return all;
}

class PcCardFaultDrill : public ::testing::TestWithParam<Drill> {};

TEST_P(PcCardFaultDrill, EndsAtExitAndTheOperatorSeesIt) {
    const Drill& d = GetParam();
    SCOPED_TRACE(d.operatorSees);
    Rig r;
    r.p.observeEvery(1000, [&] {
        const std::int64_t now = r.p.host.elapsedMs();
        if (now == kFaultMs) d.fault(r);
        if (d.recoverAfterMs > 0 && now == kFaultMs + d.recoverAfterMs) d.recover(r);
    });
    r.p.exitAt(4 * kMinute);
    ASSERT_EQ(r.p.run("AO-7"), EndReason::Exit);
    d.check(r);
}

INSTANTIATE_TEST_SUITE_P(Drills, PcCardFaultDrill, ::testing::ValuesIn(drills()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvant
