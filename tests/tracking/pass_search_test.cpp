#include "tracking/pass_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numbers>

#include "config/two_line_set.h"
#include "support/iss_elements.h"
#include "tracking/orbit_model.h"

namespace orvant {
namespace {

constexpr UtcSecond kSearchFrom = 569894400;  // 2018-01-21 00:00 UTC
constexpr UtcSecond kHours = 3600;

ElementSet ao7() {
    return twoLineElements("1 07530U 74089B   18020.92882759 -.00000031  00000-0  83259-4 0  9990",
                           "2 07530 101.6660 350.5859 0011799 260.7489 115.8236 12.53630761975916");
}

OrbitState orbitOf(OrbitModelKind model, const ElementSet& elements) {
    StationConfig cfg;
    cfg.latitudeRad = 51.5 * std::numbers::pi / 180;
    cfg.longitudeRad = -0.1 * std::numbers::pi / 180;
    cfg.orbitModel = model;
    OrbitState orbit;
    orbitSetup(orbit, cfg, elements);
    return orbit;
}

// The passes as a look at every second finds them: the first second in view, the first out of
// view again, and the highest elevation of a whole second between them.
struct SeenPass {
    UtcSecond rise, set;
    double top;
};

std::vector<SeenPass> passesSeenEverySecond(const OrbitState& orbit, double minElevation,
                                            UtcSecond from, UtcSecond to) {
    std::vector<SeenPass> seen;
    bool inView = false;
    for (UtcSecond s = from; s <= to; ++s) {
        const double elevation = skyFixAt(orbit, static_cast<double>(s) / 86400).elevationDeg;
        if (!inView && elevation >= minElevation) seen.push_back({s, 0, elevation});
        if (inView && elevation < minElevation) seen.back().set = s;
        inView = elevation >= minElevation;
        if (inView) seen.back().top = std::max(seen.back().top, elevation);
    }
    return seen;
}

struct Case {
    const char* name;
    OrbitModelKind model;
    ElementSet elements;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class PassSearch : public ::testing::TestWithParam<Case> {};

// Six hours, and a look that starts an hour before them and ends an hour after, so that it finds
// the passes at both ends whole.
TEST_P(PassSearch, FindsThePassesALookAtEverySecondFindsToTheSecond) {
    const OrbitState orbit = orbitOf(GetParam().model, GetParam().elements);
    const UtcSecond from = kSearchFrom, to = from + 6 * kHours;
    std::vector<SeenPass> seen = passesSeenEverySecond(orbit, 0, from - kHours, to + kHours);
    std::erase_if(seen, [&](const SeenPass& p) { return p.set <= from || p.rise > to; });
    const std::vector<Pass> found = findPasses(orbit, 0, from, to);
    ASSERT_EQ(found.size(), seen.size());
    ASSERT_GE(seen.size(), 3u);
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(*found[i].rise, seen[i].rise) << i;
        EXPECT_EQ(*found[i].set, seen[i].set) << i;
        EXPECT_NEAR(found[i].topElevationDeg, seen[i].top, 0.001) << i;
    }
}

// A pass that peaks between two samples below the minimum elevation is found when its top
// reaches the minimum, and is gone when the minimum lies just above its top.
TEST_P(PassSearch, APassIsFoundWhenItsTopReachesTheMinimumElevationAndNotJustAbove) {
    const OrbitState orbit = orbitOf(GetParam().model, GetParam().elements);
    const UtcSecond from = kSearchFrom, to = from + 6 * kHours;
    const SeenPass pass = passesSeenEverySecond(orbit, 0, from, to).at(1);
    const auto passesAt = [&](double minElevation) {
        return findPasses(orbit, minElevation, pass.rise - 600, pass.set + 600);
    };
    const std::vector<Pass> atTop = passesAt(pass.top);
    ASSERT_EQ(atTop.size(), 1u);
    EXPECT_NEAR(atTop[0].topElevationDeg, pass.top, 1e-9);
    EXPECT_EQ(*atTop[0].set - *atTop[0].rise, 1);  // the one second at the top
    EXPECT_TRUE(passesAt(pass.top + 1e-6).empty());
}

INSTANTIATE_TEST_SUITE_P(
    BothModels, PassSearch,
    ::testing::Values(Case{"IssOwn", OrbitModelKind::Own, testing::issElements2018()},
                      Case{"IssSgp4", OrbitModelKind::Sgp4, testing::issElements2018()},
                      Case{"Ao7Own", OrbitModelKind::Own, ao7()},
                      Case{"Ao7Sgp4", OrbitModelKind::Sgp4, ao7()}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace orvant
