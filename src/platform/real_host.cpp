#include <chrono>
#include <ctime>
#include <thread>

#include "platform/host.h"

namespace orvant {

namespace {
std::int64_t steadyNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
}  // namespace

RealHost::RealHost() : startNs_(steadyNs()) {}

RealHost::RealHost(const LocalDateTime& start)
    : startNs_(steadyNs()), fixedStart_(true), start_(start) {}

std::int64_t RealHost::elapsedMs() {
    return (steadyNs() - startNs_) / 1000000;
}

LocalDateTime RealHost::localTime() {
    if (fixedStart_) return addMilliseconds(start_, elapsedMs());
    const auto now = std::chrono::system_clock::now();
    const std::time_t secs = std::chrono::system_clock::to_time_t(now);
    std::tm tm{};
    localtime_r(&secs, &tm);
    LocalDateTime out;
    out.year = tm.tm_year + 1900;
    out.month = tm.tm_mon + 1;
    out.day = tm.tm_mday;
    out.hour = tm.tm_hour;
    out.minute = tm.tm_min;
    out.second = tm.tm_sec;
    out.millisecond = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000);
    return out;
}

void RealHost::waitUntil(std::int64_t t) {
    const std::int64_t left = t - elapsedMs();
    if (left > 0) std::this_thread::sleep_for(std::chrono::milliseconds(left));
}

}  // namespace orvant
