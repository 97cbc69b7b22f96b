#include "ui/clock_date.h"

#include <gtest/gtest.h>

namespace orvant {
namespace {

// Switched off (0, or any value but 1) the clock's date is taken as it is; switched on (1) day and
// month are exchanged, only for days below the thirteenth.
TEST(ProgramDate, SwitchOnExchangesDayAndMonthOnlyForDaysBelowThirteen) {
    struct Case {
        int month, day, dateSwitch, shownMonth, shownDay;
    };
    for (const Case c :
         {Case{3, 5, 0, 3, 5}, Case{3, 15, 0, 3, 15}, Case{3, 5, 2, 3, 5}, Case{3, 5, 1, 5, 3},
          Case{11, 12, 1, 12, 11}, Case{3, 13, 1, 3, 13}, Case{3, 15, 1, 3, 15}}) {
        const CalendarDate d = programDate({2024, c.month, c.day, 12, 0, 0, 0}, c.dateSwitch);
        EXPECT_EQ(d.year, 2024);
        EXPECT_EQ(d.month, c.shownMonth) << c.month << "/" << c.day << " switch " << c.dateSwitch;
        EXPECT_EQ(d.day, c.shownDay) << c.month << "/" << c.day << " switch " << c.dateSwitch;
    }
}

}  // namespace
}  // namespace orvant
