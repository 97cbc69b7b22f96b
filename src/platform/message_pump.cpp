#include "platform/message_pump.h"

#include <algorithm>

namespace orvant {

namespace {

// Keeps the nesting count right however the delivery is left (the program may end from inside).
class DepthScope {
  public:
    explicit DepthScope(int& depth) : depth_(depth) { ++depth_; }
    ~DepthScope() { --depth_; }
    DepthScope(const DepthScope&) = delete;
    DepthScope& operator=(const DepthScope&) = delete;

  private:
    int& depth_;
};

}  // namespace

void MessagePump::post(InputEvent event) {
    const auto at = std::upper_bound(
        queue_.begin(), queue_.end(), event.dueMs,
        [](std::int64_t due, const InputEvent& queued) { return due < queued.dueMs; });
    queue_.insert(at, std::move(event));
}

void MessagePump::armTimer(std::int64_t intervalMs, std::function<void()> tick) {
    timerInterval_ = std::max<std::int64_t>(intervalMs, 1);
    timerDue_ = now() + timerInterval_;
    timerTick_ = std::move(tick);
}

void MessagePump::disarmTimer() {
    timerDue_ = -1;
    timerTick_ = nullptr;
}

void MessagePump::setTicker(std::int64_t periodMs, std::function<void()> tick) {
    tickerPeriod_ = periodMs;
    tickerDue_ = now() + periodMs;
    ticker_ = std::move(tick);
}

void MessagePump::setPoller(std::int64_t periodMs, std::function<void()> poll) {
    pollerPeriod_ = std::max<std::int64_t>(periodMs, 1);
    poller_ = std::move(poll);
}

void MessagePump::pumpOnce() {
    DepthScope scope(depth_);
    host_.poll();
    if (auto poll = poller_) poll();
    const std::int64_t t = now();
    if (timerDue_ >= 0 && t >= timerDue_) {
        timerDue_ = t + timerInterval_;
        if (auto tick = timerTick_) tick();
    }
    if (tickerDue_ >= 0 && t >= tickerDue_) {
        tickerDue_ += tickerPeriod_ * ((t - tickerDue_) / tickerPeriod_ + 1);
        if (auto tick = ticker_) tick();
    }
    inputHeld_ = depth_ > kMaxNesting || !deliver_;
    if (inputHeld_) return;
    // Deliver only what was due when this pump began; a handler that pumps again sees the rest.
    while (!queue_.empty() && queue_.front().dueMs <= t) {
        InputEvent event = queue_.front();
        queue_.pop_front();
        if (!deliver_(event)) {
            queue_.push_front(std::move(event));
            inputHeld_ = true;
            break;
        }
    }
}

std::int64_t MessagePump::nextDue(std::int64_t limit) const {
    std::int64_t due = limit;
    if (poller_) due = std::min(due, host_.elapsedMs() + pollerPeriod_);
    if (timerDue_ >= 0) due = std::min(due, timerDue_);
    if (tickerDue_ >= 0) due = std::min(due, tickerDue_);
    // Input that the last pump had to hold back does not cut a wait short: it is retried at the
    // next pump, which the wait's own deadline brings.
    if (!queue_.empty() && !inputHeld_) due = std::min(due, queue_.front().dueMs);
    return due;
}

void MessagePump::waitForEvent(std::int64_t maxMs) {
    const std::int64_t t = now();
    const std::int64_t due = nextDue(t + maxMs);
    if (due > t) host_.waitUntil(due);
}

}  // namespace orvant
