#pragma once

#include <cstdint>

#include "platform/local_time.h"

namespace orvant {

// What the program runs on: the clock and the way it waits. The virtual host advances its clock
// only when the program waits, so a whole satellite pass replays in a fraction of a second; the
// real hosts follow the PC clock (and, with a window, let the toolkit deliver input while waiting).
class Host {
  public:
    virtual ~Host() = default;
    // Program time in milliseconds since start.
    virtual std::int64_t elapsedMs() = 0;
    // The local date and time now.
    virtual LocalDateTime localTime() = 0;
    // Lets the host collect operator input that arrived since the last call.
    virtual void poll() = 0;
    // Waits until the program time reaches `elapsedMs`, or earlier when input may have arrived.
    virtual void waitUntil(std::int64_t elapsedMs) = 0;
};

// Host whose clock moves only when the program waits.
class VirtualHost : public Host {
  public:
    explicit VirtualHost(const LocalDateTime& start) : start_(start) {}
    std::int64_t elapsedMs() override { return now_; }
    LocalDateTime localTime() override { return addMilliseconds(start_, now_); }
    void poll() override {}
    void waitUntil(std::int64_t t) override {
        if (t > now_) now_ = t;
    }

  private:
    LocalDateTime start_;
    std::int64_t now_ = 0;
};

// Host on the PC clock without a window: waiting sleeps. The local time may start from a
// given instant (then it runs at real speed from there) or follow the system clock.
class RealHost : public Host {
  public:
    RealHost();
    explicit RealHost(const LocalDateTime& start);
    std::int64_t elapsedMs() override;
    LocalDateTime localTime() override;
    void poll() override {}
    void waitUntil(std::int64_t t) override;

  private:
    std::int64_t startNs_;
    bool fixedStart_ = false;
    LocalDateTime start_;
};

}  // namespace orvant
