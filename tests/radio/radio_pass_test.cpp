#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "radio/sim/satellite_radios.h"
#include "support/pass_station.h"
#include "support/radio_station.h"

namespace orvant {
namespace {

using testing::PassStation;

constexpr std::int64_t kReadBackMs = 10 * 60 * 1000;

// A whole pass of a sample satellite whose file names one radio for both links, from a few
// minutes before AOS until after LOS, with the simulated radio behind the card.
struct PassCase {
    std::string name, satellite;
    LocalDateTime start;
    std::int64_t aosMs, losMs, exitMs;
    std::int16_t code;
    int downlinkBand;  // where the radio keeps its downlink: band of the dial, VFO A
    bool hex;          // its messages in hexadecimal, else as text
    std::string setUp, frequency, reset;  // the satellite-mode set-up, a frequency, the reset
    std::int64_t stepHz;                  // the radio's tuning step
};

struct Relayed {
    std::int64_t t;
    std::string text;
};

class RadioPass : public ::testing::TestWithParam<PassCase> {};

// Set-up before AOS, Doppler sends as the gate trips, a read-back of the downlink dial mid-pass
// that re-centres the base on it, the reset after LOS, and until then the radio's dial on the
// last downlink frequency sent.
TEST_P(RadioPass, FollowsTheSatelliteFromAosToLos) {
    const PassCase& c = GetParam();
    PassStation p(c.start);
    sim::SatelliteRadios radios(p.station.sat);
    p.card.attachRadio(1, &radios.channel(1));
    p.card.attachRadio(2, &radios.channel(2));

    std::vector<Relayed> relayed;
    double baseBeforeReadBack = 0, baseAfterReadBack = 0;
    std::int64_t dialBeforeReset = 0;
    std::string lastSentBeforeReset;
    bool resetSent = false;
    p.observeEvery(100, [&] {
        const std::int64_t t = p.host.elapsedMs();
        for (std::size_t i = relayed.size(); i < p.card.relayed().size(); ++i) {
            const auto& bytes = p.card.relayed()[i].bytes;
            relayed.push_back(
                {t, c.hex ? testing::hexBytes(bytes) : std::string(bytes.begin(), bytes.end())});
            resetSent = resetSent || relayed.back().text == c.reset;
        }
        if (!resetSent) {
            dialBeforeReset = radios.radioOf(c.code)->dial().vfo(c.downlinkBand, 0).hz;
            lastSentBeforeReset = p.station.radio.downlinkFreqText;
        }
        if (t < kReadBackMs) baseBeforeReadBack = p.station.sat.downlinkMHz;
        if (t < kReadBackMs + 3000) baseAfterReadBack = p.station.sat.downlinkMHz;
    });
    p.inputAt(kReadBackMs, InputKind::DblClick, "lbl_down_read");
    p.exitAt(c.exitMs);
    ASSERT_EQ(p.run(c.satellite), EndReason::Exit);
    EXPECT_EQ(p.alerts.beeps, 0) << "the read-back was refused";

    const auto first = [&](const std::string& text, std::int64_t after) {
        return std::find_if(relayed.begin(), relayed.end(), [&](const Relayed& r) {
            return r.t >= after && r.text.rfind(text, 0) == 0;
        });
    };
    const auto setUp = first(c.setUp, 0);
    ASSERT_NE(setUp, relayed.end());
    EXPECT_LT(setUp->t, c.aosMs);

    // Sends while in view: many of them, each a different corrected frequency.
    const std::regex frequency(c.frequency);
    std::set<std::string> sends;
    for (const Relayed& r : relayed)
        if (r.t >= c.aosMs && r.t <= c.losMs && std::regex_match(r.text, frequency))
            sends.insert(r.text);
    EXPECT_GT(sends.size(), 20u);

    const auto reset = first(c.reset, c.losMs - 5000);
    ASSERT_NE(reset, relayed.end()) << "no radio reset after LOS";
    EXPECT_LT(reset->t, c.losMs + 60000);

    // The read-back of a dial the station tuned itself moves the base by no more than the
    // Doppler drift the counter gate lets pass between two sends, and the radio's step.
    EXPECT_NEAR(baseAfterReadBack, baseBeforeReadBack,
                (p.station.sat.gateThresholdHz + c.stepHz) * 1e-6);

    ASSERT_FALSE(lastSentBeforeReset.empty());
    EXPECT_EQ(dialBeforeReset, std::stoll(lastSentBeforeReset) / c.stepHz * c.stepHz);
}

constexpr int kMain = sim::RadioDial::kMain;
constexpr int kSub = sim::RadioDial::kSub;

// AO-27 (TS-2000) rises at 05:39:46 and sets at 05:53:36 over the sample station, AO-7 (FT-847)
// at 04:25:55 and 04:48:32, FO-29 (IC-910) at 07:20:57 and 07:38:54.
// clang-format off
INSTANTIATE_TEST_SUITE_P(SampleSatellites, RadioPass, ::testing::Values(
    PassCase{"Ts2000OnAo27", "AO-27", {2018, 1, 21, 5, 35, 0, 0}, (4 * 60 + 46) * 1000,
        (18 * 60 + 36) * 1000, 22 * 60 * 1000, 26, kSub, false, "DC11;RX0;AI0;RC;SA1011000;",
        "FR0;FA\\d{11};", "SA0000000;", 1},
    PassCase{"Ft847OnAo7", "AO-7", {2018, 1, 21, 4, 20, 0, 0}, (5 * 60 + 55) * 1000,
        (28 * 60 + 32) * 1000, 31 * 60 * 1000, 2, kMain, true, "00 00 00 00 4E",
        "(.. ){4}11", "00 00 00 00 8E", 10},
    PassCase{"Ic910OnFo29", "FO-29", {2018, 1, 21, 7, 18, 0, 0}, (2 * 60 + 57) * 1000,
        (20 * 60 + 54) * 1000, 23 * 60 * 1000, 27, kMain, true, "FE FE 60 E0 1A 07 01 FD",
        "FE FE 60 E0 05( ..){5} FD", "FE FE 60 E0 1A 07 00 FD", 1}),
    [](const auto& info) { return info.param.name; });
// clang-format on

}  // namespace
}  // namespace orvant
