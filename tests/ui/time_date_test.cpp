#include "ui/time_date.h"

#include <gtest/gtest.h>

#include "radio/read_back.h"
#include "support/station_harness.h"

namespace orvant {
namespace {

TEST(UtcText, LocalTimeLessTheOffsetWrappedIntoOneDayWithTheClocksSeconds) {
    struct Case {
        int hour, minute, second;
        double offset;
        const char* expected;
    };
    for (const Case c : {Case{0, 30, 7, 12, "12:30:07"}, Case{23, 59, 59, -12, "11:59:59"},
                         Case{12, 0, 0, -12, "00:00:00"}, Case{0, 0, 42, 0, "00:00:42"},
                         Case{9, 5, 3, 5.5, "03:35:03"}})
        EXPECT_EQ(utcText({2024, 3, 5, c.hour, c.minute, c.second, 0}, c.offset), c.expected)
            << c.hour << ":" << c.minute << " offset " << c.offset;
}

TEST(DateText, TheSwitchShowsDayMonthYearExchangedBelowTheThirteenth) {
    EXPECT_EQ(dateText({2024, 3, 5, 12, 0, 0, 0}, 0), "2024-03-05");
    EXPECT_EQ(dateText({2024, 3, 5, 12, 0, 0, 0}, 1), "3-5-2024");
    EXPECT_EQ(dateText({2024, 3, 15, 12, 0, 0, 0}, 1), "15-3-2024");
}

struct TimeDateDoors : ::testing::Test {
    void deliver(InputKind kind, const std::string& name) {
        s.display.deliver({0, kind, name, {}});
    }
    testing::StationHarness s{{2024, 3, 5, 12, 0, 0, 0}};
};

TEST_F(TimeDateDoors, UtcDoubleClickTurnsTheDumpsOnAndReleasesTheDownlinkInhibit) {
    deliver(InputKind::DblClick, "Lbl_inhibit_rx");
    ASSERT_TRUE(s.station.radio.rxInhibit);
    deliver(InputKind::DblClick, "lbl_UTC");
    EXPECT_TRUE(s.station.link.diagnostic);
    EXPECT_TRUE(s.display["Text4"].visible);
    EXPECT_FALSE(s.station.radio.rxInhibit) << "acts as a click on Lbl_inhibit_rx";
}

TEST_F(TimeDateDoors, LocalTimeDoubleClickHoldsTheLoopAfterEveryRadioReadback) {
    refuseReadback(s.station);
    EXPECT_EQ(s.station.track.loopHold, 0);
    deliver(InputKind::DblClick, "lbl_timebox");
    EXPECT_TRUE(s.display["Text1"].visible);
    EXPECT_TRUE(s.display["Text2"].visible);
    refuseReadback(s.station);
    EXPECT_EQ(s.station.track.loopHold, 1);
}

TEST_F(TimeDateDoors, DateBoxOpensTheDateFormatUtility) {
    deliver(InputKind::Click, "lbl_datebox");
    ASSERT_TRUE(s.display["Form4"].visible);
    EXPECT_EQ(s.display["Form4"].caption, "ORVANT Date Format Utility");
    deliver(InputKind::Click, "Form4.Label1");
    EXPECT_EQ(s.display["Form4.lbl_day"].caption, "5");
    EXPECT_EQ(s.display["Form4.lbl_month"].caption, "3");
    EXPECT_EQ(s.display["Form4.lbl_year"].caption, "2024");
    deliver(InputKind::Click, "Form4.Command1");
    EXPECT_FALSE(s.display["Form4"].visible);
}

}  // namespace
}  // namespace orvant
