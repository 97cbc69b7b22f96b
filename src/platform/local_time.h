#pragma once

namespace orvant {

// A calendar instant as the station's PC clock shows it (local time, no zone arithmetic).
struct LocalDateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// Adds a number of milliseconds to a local date and time, carrying through the calendar.
LocalDateTime addMilliseconds(const LocalDateTime& start, long long ms);

}  // namespace orvant
