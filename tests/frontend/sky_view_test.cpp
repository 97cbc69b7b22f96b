#include "frontend/sky_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "support/iss_elements.h"
#include "support/station_harness.h"
#include "tracking/orbit_model.h"
#include "tracking/orbit_propagation.h"

namespace orvant {
namespace {

TEST(SkyView, NorthUpEastRightHorizonAtTheRimZenithInTheMiddle) {
    struct Case {
        double azimuth, elevation, x, y;
    };
    for (const Case c : {Case{0, 90, 0, 0}, Case{0, 0, 0, 1}, Case{90, 0, 1, 0},
                         Case{180, 45, 0, -0.5}, Case{270, 60, -1.0 / 3, 0}}) {
        const SkyPoint p = skyPoint(c.azimuth, c.elevation);
        EXPECT_NEAR(p.x, c.x, 1e-12) << c.azimuth << "/" << c.elevation;
        EXPECT_NEAR(p.y, c.y, 1e-12) << c.azimuth << "/" << c.elevation;
    }
}

TEST(SkyView, AntennasFlippedOverTheTopLookTheOtherWay) {
    struct Case {
        double azimuth, elevation, lookAzimuth, lookElevation;
    };
    for (const Case c : {Case{10, 60, 10, 60}, Case{10, 120, 190, 60}, Case{350, 100, 170, 80}}) {
        const SkyBearing look = lookDirection(c.azimuth, c.elevation);
        EXPECT_DOUBLE_EQ(look.azimuthDeg, c.lookAzimuth);
        EXPECT_DOUBLE_EQ(look.elevationDeg, c.lookElevation);
    }
}

// The ISS over London, its orbit model not yet set up.
void watchIssFromLondon(Station& station) {
    station.cfg.latitudeRad = 51.5 * std::numbers::pi / 180;
    station.cfg.longitudeRad = -0.1 * std::numbers::pi / 180;
    station.cfg.timeOffsetHours = 1;
    station.track.satFileName = "ISS";
    station.sat.elements = testing::issElements2018();
}

// The pass that peaks near 78 degrees at local 00:09:05 on 2018-01-21, seen from its top and,
// three hours of search away at most, from before it rises.
TEST(SkyView, PassTrackRunsFromRiseToSetOfThePassUnderWayOrTheNext) {
    testing::StationHarness harness;
    Station& station = harness.station;
    watchIssFromLondon(station);
    orbitSetup(station);
    const LocalDateTime top{2018, 1, 21, 0, 9, 5, 0};
    const double days = utcDays(top, 1);
    for (double from : {days, days - 20.0 / 1440}) {
        const std::vector<SkyBearing> track = passTrack(station.orbit, from);
        ASSERT_GT(track.size(), 10u);
        const auto highest = std::max_element(track.begin(), track.end(), [](auto& a, auto& b) {
            return a.elevationDeg < b.elevationDeg;
        });
        EXPECT_NEAR(highest->elevationDeg, 78, 1.5);
        EXPECT_LT(track.front().elevationDeg, 3);
        EXPECT_LT(track.back().elevationDeg, 3);
        EXPECT_TRUE(
            std::all_of(track.begin(), track.end(), [](auto& b) { return b.elevationDeg >= 0; }));
    }
}

// The window may take its first picture before the orbit model is set up; the set-up, within the
// same minute, brings the pass track (before the mend the track stayed a row of NaN points until
// the minute turned, and the sky view repainted on every refresh).
TEST(SkyView, PassTrackFollowsTheOrbitModelSetUpWithinTheMinute) {
    testing::StationHarness harness;
    Station& station = harness.station;
    watchIssFromLondon(station);
    const LocalDateTime now{2018, 1, 21, 0, 9, 5, 0};
    SkyView view;
    EXPECT_TRUE(view.picture(station, now).track.empty());
    orbitSetup(station);
    const std::vector<SkyPoint>& track = view.picture(station, now).track;
    ASSERT_GT(track.size(), 10u);
    EXPECT_TRUE(std::all_of(track.begin(), track.end(), [](const SkyPoint& p) {
        return std::isfinite(p.x) && std::isfinite(p.y);
    }));
}

}  // namespace
}  // namespace orvant
