#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

#include "config/text_rules.h"
#include "config/two_line_set.h"
#include "support/station_harness.h"
#include "tracking/orbit_model.h"

namespace orvant {
namespace {

// The element set that follows the name line containing `name` in the real two-line element
// file of January 2018.
ElementSet realElementSet(const std::string& name) {
    std::ifstream file(std::string(ORVANT_EXAMPLES_DIR) + "/station/KEPS.TLE");
    std::string line, line1, line2;
    while (std::getline(file, line) && line.find(name) == std::string::npos) {
    }
    std::getline(file, line1);
    std::getline(file, line2);
    EXPECT_EQ(left(line1, 2), "1 ") << name;
    EXPECT_EQ(left(line2, 2), "2 ") << name;
    return twoLineElements(line1, line2);
}

struct Sample {
    int second = 0;
    double azimuth = 0;
    double elevation = 0;
    double rangeRate = 0;
};

// The degrees between two azimuths the short way round.
double azimuthStep(double from, double to) {
    const double d = std::fabs(to - from);
    return std::min(d, 360 - d);
}

struct PassCase {
    const char* name;
    LocalDateTime start;  // the element epoch, to the next whole second, at UTC
    // Where an SGP4 propagation of the same element set (a fuller model, computed apart from
    // this program) crosses the horizon on the way up, seconds after `start`.
    int horizonCrossing;
};

class RealPass : public ::testing::TestWithParam<PassCase> {};

// A station in London (51.5 N, 0.1 W, sea level, clock at UTC) follows the satellite second by
// second from the epoch until its first full pass has ended.
TEST_P(RealPass, RisesSweepsAcrossAndSetsWithinADayOfTheEpoch) {
    const PassCase& c = GetParam();
    testing::StationHarness harness(c.start);
    Station& station = harness.station;
    station.cfg.latitudeRad = 51.5 * std::numbers::pi / 180;
    station.cfg.longitudeRad = -0.1 * std::numbers::pi / 180;
    station.cfg.heightKm = 0;
    station.cfg.timeOffsetHours = 0;
    station.sat.elements = realElementSet(c.name);
    orbitSetup(station);

    std::vector<Sample> pass;
    bool seenBelow = false;
    for (int s = 0; s <= 86400; ++s) {
        harness.host.waitUntil(s * 1000LL);
        orbitStep(station, harness.host.localTime());
        const Sample now{s, station.track.satAzimuth, station.track.satElevation,
                         station.track.rangeRate};
        if (now.elevation > 0 && seenBelow) {
            pass.push_back(now);
        } else if (now.elevation <= 0) {
            if (!pass.empty()) break;
            seenBelow = true;
        }
    }
    ASSERT_FALSE(pass.empty()) << "no rise within a day";
    ASSERT_LT(pass.back().second, 86400) << "the pass does not end within a day";
    EXPECT_NEAR(pass.front().second, c.horizonCrossing, 60);

    int signChanges = 0;
    for (std::size_t i = 1; i < pass.size(); ++i) {
        EXPECT_LE(azimuthStep(pass[i - 1].azimuth, pass[i].azimuth), 10)
            << "azimuth jumps at second " << pass[i].second;
        if ((pass[i - 1].rangeRate < 0) != (pass[i].rangeRate < 0)) ++signChanges;
    }
    EXPECT_LT(pass.front().rangeRate, 0) << "approaching at the rise";
    EXPECT_GT(pass.back().rangeRate, 0) << "receding at the set";
    EXPECT_EQ(signChanges, 1);
}

INSTANTIATE_TEST_SUITE_P(January2018, RealPass,
                         ::testing::Values(PassCase{"(ZARYA)", {2018, 1, 20, 21, 33, 15, 0}, 5425},
                                           PassCase{"(AO-7)", {2018, 1, 20, 22, 17, 31, 0}, 8715}),
                         [](const ::testing::TestParamInfo<PassCase>& info) {
                             return info.index == 0 ? std::string("Iss") : std::string("Ao7");
                         });

}  // namespace
}  // namespace orvant
