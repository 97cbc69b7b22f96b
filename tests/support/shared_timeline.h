#pragma once

#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/host.h"

namespace orvant::testing {

// Several programs on one virtual timeline, as two instances of the program run side by side on
// one PC. Each runs on a thread of its own, but only one at a time: a program runs until it
// waits; then the program whose wait ends first goes on (on a tie, the one added first). Time
// moves only while every program waits, as on `VirtualHost`, so the programs interleave the same
// way on every run.
class SharedTimeline {
  public:
    explicit SharedTimeline(LocalDateTime start) : start_(start) {}
    SharedTimeline(const SharedTimeline&) = delete;
    SharedTimeline& operator=(const SharedTimeline&) = delete;

    // The host of a program that starts `startMs` into the timeline; its program time counts
    // from then, its local time is the timeline's.
    Host& addProgram(std::int64_t startMs);
    // Runs `bodies[i]` as the program of the i-th host added, each from its start, until every
    // one has returned; rethrows the first exception that escaped one.
    void run(const std::vector<std::function<void()>>& bodies);
    // The timeline's time, in milliseconds since its start.
    std::int64_t nowMs() const { return now_; }

  private:
    class Program : public Host {
      public:
        Program(SharedTimeline& timeline, std::int64_t startMs)
            : timeline_(timeline), startMs_(startMs), wakeMs_(startMs) {}
        std::int64_t elapsedMs() override { return timeline_.now_ - startMs_; }
        LocalDateTime localTime() override {
            return addMilliseconds(timeline_.start_, timeline_.now_);
        }
        void poll() override {}
        void waitUntil(std::int64_t elapsedMs) override;

      private:
        friend class SharedTimeline;
        SharedTimeline& timeline_;
        std::int64_t startMs_;
        std::int64_t wakeMs_;  // on the timeline
        bool ended_ = false;
    };

    // Hands the turn to the program whose wait ends first (under `lock`).
    void passTurn();
    void awaitTurn(std::unique_lock<std::mutex>& lock, const Program* program);

    LocalDateTime start_;
    std::int64_t now_ = 0;
    std::vector<std::unique_ptr<Program>> programs_;
    std::mutex mutex_;
    std::condition_variable turnChanged_;
    const Program* running_ = nullptr;
    std::exception_ptr escaped_;
};

}  // namespace orvant::testing
