#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "radio/sim/satellite_radios.h"
#include "support/pass_station.h"

namespace orvant {
namespace {

using testing::PassStation;

// AO-27 rises at 05:39:46 and sets at 05:53:36 over the sample station.
constexpr LocalDateTime kBeforeAos{2018, 1, 21, 5, 35, 0, 0};
constexpr std::int64_t kAosMs = (4 * 60 + 46) * 1000;
constexpr std::int64_t kLosMs = (18 * 60 + 36) * 1000;
constexpr std::int64_t kReadBackMs = 10 * 60 * 1000;
constexpr std::int64_t kExitMs = 22 * 60 * 1000;

struct Relayed {
    std::int64_t t;
    std::string text;
};

// A whole pass of AO-27, whose file names one TS-2000 for both links, with the simulated radio
// behind the card: set-up at AOS, Doppler sends as the gate trips, a read-back of the downlink
// dial mid-pass, and the radio reset once the satellite has set.
TEST(RadioPass, Ts2000FollowsAo27FromAosToLos) {
    PassStation p(kBeforeAos);
    sim::SatelliteRadios radios(p.station.sat);
    p.card.attachRadio(1, &radios.channel(1));
    p.card.attachRadio(2, &radios.channel(2));

    std::vector<Relayed> relayed;
    double baseBeforeReadBack = 0, baseAfterReadBack = 0;
    std::int64_t dialBeforeReset = 0;
    bool resetSent = false;
    p.observeEvery(100, [&] {
        const std::int64_t t = p.host.elapsedMs();
        for (std::size_t i = relayed.size(); i < p.card.relayed().size(); ++i) {
            const auto& bytes = p.card.relayed()[i].bytes;
            relayed.push_back({t, std::string(bytes.begin(), bytes.end())});
            resetSent = resetSent || relayed.back().text == "SA0000000;";
        }
        if (!resetSent)
            dialBeforeReset =
                radios.radioOf(26)->dial().vfo(sim::RadioDial::kSub, sim::RadioDial::kVfoA).hz;
        if (t < kReadBackMs) baseBeforeReadBack = p.station.sat.downlinkMHz;
        if (t < kReadBackMs + 3000) baseAfterReadBack = p.station.sat.downlinkMHz;
    });
    p.inputAt(kReadBackMs, InputKind::DblClick, "lbl_down_read");
    p.exitAt(kExitMs);
    ASSERT_EQ(p.run("AO-27"), EndReason::Exit);
    EXPECT_EQ(p.alerts.beeps, 0) << "the read-back was refused";

    const auto isDownlinkSend = [](const Relayed& r) {
        return r.text.size() == 18 && r.text.rfind("FR0;FA", 0) == 0;
    };
    const auto first = [&](const std::string& prefix, std::int64_t after) {
        return std::find_if(relayed.begin(), relayed.end(), [&](const Relayed& r) {
            return r.t >= after && r.text.rfind(prefix, 0) == 0;
        });
    };
    // The satellite-mode set-up before the pass (the program starts five minutes before AOS).
    const auto setUp = first("DC11;RX0;AI0;RC;SA1011000;", 0);
    ASSERT_NE(setUp, relayed.end());
    EXPECT_LT(setUp->t, kAosMs);

    // Downlink sends while in view: many of them, each a different corrected frequency.
    std::set<std::string> downlinkSends;
    for (const Relayed& r : relayed)
        if (r.t >= kAosMs && r.t <= kLosMs && isDownlinkSend(r)) downlinkSends.insert(r.text);
    EXPECT_GT(downlinkSends.size(), 20u);

    const auto reset = first("SA0000000;", kLosMs - 5000);
    ASSERT_NE(reset, relayed.end()) << "no radio reset after LOS";
    EXPECT_LT(reset->t, kLosMs + 60000);

    // The read-back of a dial the station tuned itself re-centres the base on it: it moves by no
    // more than the Doppler drift the counter gate lets pass between two sends.
    EXPECT_NEAR(baseAfterReadBack, baseBeforeReadBack, p.station.sat.gateThresholdHz * 1e-6);

    // Until the reset, the simulated radio's satellite receive VFO holds the last downlink
    // frequency sent.
    std::string lastSent;
    for (auto r = relayed.begin(); r != reset; ++r)
        if (isDownlinkSend(*r)) lastSent = r->text;
    ASSERT_FALSE(lastSent.empty());
    EXPECT_EQ(dialBeforeReset, std::stoll(lastSent.substr(6, 11)));
}

}  // namespace
}  // namespace orvant
