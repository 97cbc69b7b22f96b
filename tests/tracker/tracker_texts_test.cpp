#include "tracker/tracker_texts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <regex>

#include "support/program_run.h"
#include "support/station_harness.h"
#include "tracker/element_catalog.h"
#include "tracking/orbit_model.h"

namespace orvant::tracker {
namespace {

constexpr double kLight = 299792.458;
constexpr double kUplinkHz = 432150000;
constexpr double kDownlinkHz = 145950000;
const LocalDateTime kDuringPass{2018, 1, 21, 4, 30, 0, 0};

// What a text tells, read back by the layout's markers and separators.
struct Read {
    std::string name;
    double az = 0, el = 0, rangeRate = 0, phase256 = 0;
};

std::vector<std::string> captures(const std::string& text, const std::string& pattern) {
    std::smatch m;
    if (!std::regex_match(text, m, std::regex(pattern))) return {};
    return {m.begin() + 1, m.end()};
}

struct LayoutCase {
    std::string name;
    std::function<std::string(const SkyView&)> text;
    std::function<Read(const std::string&)> read;
};

double num(const std::string& s) {
    return std::stod(s);
}

Read readNova(const std::string& t) {
    const auto f = captures(t, R"((.+) AZ:(\S+) EL:(\S+) RR:(\S+) MA:(\d+) Flip:No)");
    if (f.empty()) return {};
    return {f[0], num(f[1]), num(f[2]), num(f[3]), num(f[4])};
}

Read readWinTrak(const std::string& t) {
    const auto f = captures(t, R"(([^|]+)\|([^|]+)\|([^|]+)\|([^|]+)\|([^|]+))");
    if (f.empty()) return {};
    return {f[0], num(f[2]), num(f[1]), -num(f[3]) * kLight, num(f[4]) * 256 / 360};
}

Read readWinOrbit(const std::string& t) {
    const auto f = captures(t, R"(([^|]+)\|([^|]+)\|([^|]+)\|[^|]*\|([^|]+)\|(\d+))");
    if (f.empty()) return {};
    return {f[0], num(f[1]), num(f[2]), num(f[3]), num(f[4])};
}

// WISP gives no range rate; its Doppler-corrected downlink tells it.
Read readWisp(const std::string& t) {
    const auto f = captures(t, R"(SN(.+) AZ(\S+) EL(\S+) UP(\d+) UM\S+ DN(\d+) DM\S+ MA(\d+) )");
    if (f.empty()) return {};
    const double up = num(f[3]), down = num(f[4]);
    EXPECT_NEAR(up - kUplinkHz, kUplinkHz - down * kUplinkHz / kDownlinkHz, 2);
    return {f[0], num(f[1]), num(f[2]), (1 - down / kDownlinkHz) * kLight, num(f[5])};
}

class Layouts : public ::testing::TestWithParam<LayoutCase> {};

// The station's own orbit model over the sample station says where AO-7 is; each program's text
// for the same moment, read back by its layout, must say the same.
TEST_P(Layouts, TellWhereTheSatelliteIs) {
    const auto ao7 = findSatellite(
        testing::readText(std::string(ORVANT_EXAMPLES_DIR) + "/station/KEPS.TLE"), "7530");
    ASSERT_TRUE(ao7);
    testing::StationHarness h;
    h.station.cfg.latitudeRad = 51.5 * std::numbers::pi / 180;
    h.station.cfg.longitudeRad = -0.1 * std::numbers::pi / 180;
    h.station.cfg.heightKm = 0.02;
    h.station.sat.elements = ao7->elements;
    orbitSetup(h.station);
    orbitStep(h.station, kDuringPass);
    const TrackingState& want = h.station.track;

    const LiveSky sky(ao7->elements, {51.5, -0.1, 20, 0});
    const Read got = GetParam().read(GetParam().text(sky.at(kDuringPass)));
    EXPECT_EQ(got.name, "AO-7");
    EXPECT_NEAR(got.az, want.satAzimuth, 0.55);
    EXPECT_NEAR(got.el, want.satElevation, 0.55);
    EXPECT_GT(got.el, 5);
    EXPECT_NEAR(got.rangeRate, want.rangeRate, 0.005);
    EXPECT_NEAR(got.phase256, want.ma256, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Tracker, Layouts,
    ::testing::Values(
        LayoutCase{"Nova", [](const SkyView& v) { return novaText("AO-7", v, false); }, readNova},
        LayoutCase{"WinTrak", [](const SkyView& v) { return winTrakText("AO-7", v); }, readWinTrak},
        LayoutCase{"WinOrbit", [](const SkyView& v) { return winOrbitText("AO-7", v); },
                   readWinOrbit},
        LayoutCase{"Wisp",
                   [](const SkyView& v) {
                       return wispText("AO-7", v, {kUplinkHz, kDownlinkHz});
                   },
                   readWisp}),
    [](const auto& info) { return info.param.name; });

TEST(Tracker, WispSaysNoAtCharactersFourAndFiveBelowTheHorizon) {
    const std::string text = wispText("AO-7", {100, -3, 1, 5}, {kUplinkHz, kDownlinkHz});
    EXPECT_EQ(text.substr(3, 2), "NO");
}

}  // namespace
}  // namespace orvant::tracker
