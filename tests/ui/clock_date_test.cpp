#include "ui/clock_date.h"

#include <gtest/gtest.h>

namespace orvant {
namespace {

LocalDateTime clockOn(int year, int month, int day) {
    return {year, month, day, 12, 0, 0, 0};
}

void expectDate(const CalendarDate& date, int year, int month, int day) {
    EXPECT_EQ(date.year, year);
    EXPECT_EQ(date.month, month);
    EXPECT_EQ(date.day, day);
}

TEST(ProgramDate, SwitchOffTakesTheClocksDateAsItIs) {
    expectDate(programDate(clockOn(2024, 3, 5), 0), 2024, 3, 5);
    expectDate(programDate(clockOn(2024, 3, 15), 0), 2024, 3, 15);
    expectDate(programDate(clockOn(2024, 3, 5), 2), 2024, 3, 5);
}

TEST(ProgramDate, SwitchOnExchangesDayAndMonthOnlyForDaysBelowThirteen) {
    expectDate(programDate(clockOn(2024, 3, 5), 1), 2024, 5, 3);
    expectDate(programDate(clockOn(2024, 11, 12), 1), 2024, 12, 11);
    expectDate(programDate(clockOn(2024, 3, 13), 1), 2024, 3, 13);
    expectDate(programDate(clockOn(2024, 3, 15), 1), 2024, 3, 15);
}

}  // namespace
}  // namespace orvant
