#include "orbit/sidereal_time.h"

#include <gtest/gtest.h>

#include <numbers>

namespace orvant {
namespace {

TEST(SiderealTime, DaysCountFrom1950AcrossLeapYears) {
    struct Case {
        int year;
        double day, days;
    };
    // Calendar days from 1949 December 31 as Python's datetime counts them; 2000 and 2096 are leap
    // years, 2100 is not.
    for (const Case c : {Case{1950, 1, 1}, Case{2000, 1.5, 18263.5}, Case{2018, 21, 24858},
                         Case{2100, 1, 54788}, Case{2101, 1, 55153}})
        EXPECT_DOUBLE_EQ(daysFrom1950(c.year, c.day), c.days) << c.year;
}

TEST(SiderealTime, GreenwichMeanSiderealTimeOfWorkedExamples) {
    constexpr double kDeg = 180 / std::numbers::pi;
    // At J2000 the 1982 expression gives 18h 41m 50.54841s; on 1992 August 20, 12:14 UT1 (JD
    // 2448855.0097222, day 15573.5097222 from 1950) the textbook example (Vallado, Example 3-5)
    // gives 152.578787810 degrees.
    EXPECT_NEAR(greenwichSiderealAngle(18263.5) * kDeg, (18 + 41 / 60.0 + 50.54841 / 3600) * 15,
                1e-9);
    EXPECT_NEAR(greenwichSiderealAngle(15573 + (12 + 14 / 60.0) / 24) * kDeg, 152.578787810, 1e-6);
}

}  // namespace
}  // namespace orvant
