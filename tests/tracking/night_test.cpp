#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

#include "radio/sim/satellite_radios.h"
#include "support/pass_station.h"

// A night of passes left to itself on the virtual clock: every pass finds the radios as the first
// one did. The messages the card relays are read as the radios' makers define them: a set-up
// (satellite mode on, split off, a mode, a receiver's set-up line), a frequency, or a reset
// (satellite mode off, split on, a memory channel).

namespace orvant {
namespace {

using testing::PassStation;

// What a message does to its radio: 'S' set-up, 'F' frequency, 'R' reset; '-' a band or VFO
// selection, which belongs to the message after it.
char kindOfCiv(const std::vector<std::uint8_t>& m) {
    const std::uint8_t command = m.size() > 4 ? m[4] : 0;
    const std::uint8_t data = m.size() > 5 ? m[5] : 0;
    const std::uint8_t extended = m.size() > 6 ? m[6] : 0;
    if (command == 0x05) return 'F';
    if (command == 0x06) return 'S';
    if (command == 0x07) return '-';
    if (command == 0x0F)
        return data == 0x00 ? 'S' : 'R';  // split off; 10 is duplex off at the reset
    if (command == 0x1A) return extended == 0x01 ? 'S' : 'R';  // satellite mode on or off
    if (command == 0x08) return 'R';                           // a memory channel
    return '?';
}

char kindOfText(const std::string& t) {
    if (t.find("SA1011000") != std::string::npos || t == "FR0;FA00029200000;") return 'S';
    if (t == "SA0000000;" || t == "FR0;FA00016000000;") return 'R';
    if (t.starts_with("FT1;FB") || t.starts_with("FR0;FA") || t.starts_with("RF")) return 'F';
    if (t == "AU0\r" || t == "AT0\r" || t == "VA\r" || t == "MD0\r") return 'S';
    return '?';
}

char kindOf(const std::vector<std::uint8_t>& m) {
    if (m.size() >= 2 && m[0] == 0xFE && m[1] == 0xFE) return kindOfCiv(m);
    return kindOfText(std::string(m.begin(), m.end()));
}

// The relayed messages as runs of one kind ("SFRSFR..."), a selection taking the kind of the
// message after it; and for each run the channels it reached.
struct Runs {
    std::string kinds;
    std::vector<std::set<int>> channels;
    std::vector<int> sizes;
};

Runs runsOf(const std::vector<sim::CatRelay>& relayed) {
    Runs runs;
    std::set<int> pendingChannels;
    for (const sim::CatRelay& r : relayed) {
        const char kind = kindOf(r.bytes);
        pendingChannels.insert(r.channel);
        if (kind == '-') continue;
        if (runs.kinds.empty() || runs.kinds.back() != kind) {
            runs.kinds += kind;
            runs.channels.emplace_back();
            runs.sizes.push_back(0);
        }
        runs.channels.back().insert(pendingChannels.begin(), pendingChannels.end());
        ++runs.sizes.back();
        pendingChannels.clear();
    }
    return runs;
}

struct NightCase {
    std::string name, example, satellite;
    LocalDateTime start;
    std::int64_t exitS;
    std::set<int> radioChannels;  // the card channels of the satellite's radios
    int passes;                   // resets after a pass, at least
    int forcedParkAzimuth = 0;
    std::int64_t operatorParksAtS = 0;  // the operator forces parking then
};

class Night : public ::testing::TestWithParam<NightCase> {};

// Start-up sets the radios up and may tune them once before the first pass; then every pass
// sets both radios up before its first frequency and resets them after its last, and nothing
// reaches them between the reset and the next set-up.
TEST_P(Night, EveryPassIsSetUpBeforeItsFirstFrequencyAndResetAfterIt) {
    const NightCase& c = GetParam();
    PassStation p(c.start, c.example);
    if (c.forcedParkAzimuth != 0)
        p.setSatelliteValue(c.satellite + ".SAT", 11, std::to_string(c.forcedParkAzimuth));
    sim::SatelliteRadios radios(p.station.sat);
    p.card.attachRadio(1, &radios.channel(1));
    p.card.attachRadio(2, &radios.channel(2));
    if (c.operatorParksAtS != 0)
        p.inputAt(c.operatorParksAtS * 1000, InputKind::Click, "lbl_track");
    p.exitAt(c.exitS * 1000);
    ASSERT_EQ(p.run(c.satellite), EndReason::Exit);

    const Runs runs = runsOf(p.card.relayed());
    EXPECT_EQ(runs.kinds.find('?'), std::string::npos) << runs.kinds;
    EXPECT_TRUE(std::regex_match(runs.kinds, std::regex("S(FS)?F(RSF)*R?"))) << runs.kinds;
    int resets = 0;
    for (std::size_t i = 0; i < runs.kinds.size(); ++i) {
        if (runs.kinds[i] == 'S') {
            EXPECT_EQ(runs.channels[i], c.radioChannels) << i;
        }
        resets += runs.kinds[i] == 'R' && i > 0 && runs.kinds[i - 1] == 'F';
    }
    EXPECT_GE(resets, c.passes) << runs.kinds;
    // Before the first pass each radio is tuned once at most.
    if (runs.kinds.starts_with("SFS")) {
        EXPECT_LE(runs.sizes[1], 2);
    }
}

// AO-27 (one TS-2000 for both links) rises over the sample station at about 05:40, 07:20 and
// 12:09 (SGP4 gives 05:39:56, 07:20:25, 12:09:07), and a forced parking at the first loop pass
// resets its radios once more, as does the operator's forced parking 10 minutes into the first
// pass, after which nothing reaches them until the second; SO-50 (an IC-821 up on channel 1, an
// AR5000 down on channel 2) over the receiver station at about 07:47, 09:29 and 11:11. PARK only
// parks.
// clang-format off
INSTANTIATE_TEST_SUITE_P(SampleStations, Night, ::testing::Values(
    NightCase{"Ao27OnTheTs2000", "station", "AO-27", {2018, 1, 21, 5, 35, 0, 0}, 25000, {1}, 3},
    NightCase{"So50OnTheIc821AndTheAr5000", "receiver", "SO-50", {2018, 1, 20, 7, 44, 0, 0},
        14000, {1, 2}, 3},
    NightCase{"Ao27AfterForcedParking", "station", "AO-27", {2018, 1, 21, 5, 35, 0, 0}, 7000,
        {1}, 3, 90},
    NightCase{"Ao27ParkedByTheOperatorMidPass", "station", "AO-27", {2018, 1, 21, 5, 35, 0, 0},
        7000, {1}, 2, 0, 600},
    NightCase{"ParkAlone", "station", "PARK", {2018, 1, 21, 5, 35, 0, 0}, 3000, {1}, 1}),
    [](const auto& info) { return info.param.name; });
// clang-format on

}  // namespace
}  // namespace orvant
