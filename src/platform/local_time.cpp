#include "platform/local_time.h"

#include <chrono>

namespace orvant {

LocalDateTime addMilliseconds(const LocalDateTime& start, long long ms) {
    using namespace std::chrono;
    const sys_days day = year{start.year} / month{static_cast<unsigned>(start.month)} /
                         std::chrono::day{static_cast<unsigned>(start.day)};
    const auto instant = time_point_cast<milliseconds>(day) + hours{start.hour} +
                         minutes{start.minute} + seconds{start.second} +
                         milliseconds{start.millisecond} + milliseconds{ms};
    const sys_days newDay = floor<days>(instant);
    const year_month_day ymd{newDay};
    const hh_mm_ss<milliseconds> tod{instant - newDay};
    LocalDateTime out;
    out.year = static_cast<int>(ymd.year());
    out.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    out.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    out.hour = static_cast<int>(tod.hours().count());
    out.minute = static_cast<int>(tod.minutes().count());
    out.second = static_cast<int>(tod.seconds().count());
    out.millisecond = static_cast<int>(tod.subseconds().count());
    return out;
}

}  // namespace orvant
