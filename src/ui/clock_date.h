#pragma once

#include "platform/local_time.h"

namespace orvant {

// A calendar date.
struct CalendarDate {
    int year = 2000;
    int month = 1;
    int day = 1;
};

// The date as the date box shows it: the
// clock's date, except that with the date-format switch at 1 (ORV.CFG) and a day of the month
// below 13 the day and the month change places. That mends systems whose date is read
// day-for-month.
CalendarDate programDate(const LocalDateTime& clock, double dateFormatSwitch);

}  // namespace orvant
