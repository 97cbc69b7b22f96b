#include "ui/clock_date.h"

namespace orvant {

CalendarDate programDate(const LocalDateTime& clock, double dateFormatSwitch) {
    if (dateFormatSwitch == 1 && clock.day < 13) return {clock.year, clock.day, clock.month};
    return {clock.year, clock.month, clock.day};
}

}  // namespace orvant
