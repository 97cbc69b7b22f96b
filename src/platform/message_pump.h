#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>

#include "platform/host.h"

namespace orvant {

enum class InputKind { Click, DblClick, Keys, Set, Select };

// One piece of operator input addressed to a control by name.
struct InputEvent {
    std::int64_t dueMs = 0;  // program time at which it arrives
    InputKind kind = InputKind::Click;
    std::string control;
    std::string text;    // typed keys, the value set, or the entry picked
    int scriptLine = 0;  // the line of the script it was read from; 0 for input from the window
};

// The message pump: delivers operator input and ticks of the window timer, and waits on the host
// for the next of them. Nesting is explicit: a handler that waits pumps again from inside the
// delivery, and `depth()` tells how deep. Beyond `kMaxNesting` levels no further input is
// delivered (the timer still ticks), so a handler can never recurse without bound.
class MessagePump {
  public:
    static constexpr int kMaxNesting = 8;

    explicit MessagePump(Host& host) : host_(host) {}
    Host& host() { return host_; }
    std::int64_t now() { return host_.elapsedMs(); }

    // Queues input; events are kept in order of arrival time (equal times keep their order).
    void post(InputEvent event);
    // Handler for input. It returns false to keep the event queued for a later pump (it and
    // everything behind it then waits).
    void setDispatcher(std::function<bool(const InputEvent&)> deliver) {
        deliver_ = std::move(deliver);
    }
    bool hasPendingInput() const { return !queue_.empty(); }

    // The window timer: ticks every `intervalMs` once armed, until disarmed.
    void armTimer(std::int64_t intervalMs, std::function<void()> tick);
    void disarmTimer();

    // A periodic observer of program time (the headless status line); it runs inside the pump.
    void setTicker(std::int64_t periodMs, std::function<void()> tick);
    // Outside input that comes other than through the window (the network clients): `poll` runs
    // at every pump, and while it is set no wait lasts longer than `periodMs`, so that such input
    // never waits longer than that for its turn. `poll` must not pump.
    void setPoller(std::int64_t periodMs, std::function<void()> poll);

    // Delivers what is due now: the timer tick, the periodic observer and the operator input.
    void pumpOnce();
    // Waits until the next timer tick, observer tick or input is due, but at most `maxMs`.
    void waitForEvent(std::int64_t maxMs);

    int depth() const { return depth_; }

  private:
    std::int64_t nextDue(std::int64_t limit) const;

    Host& host_;
    std::deque<InputEvent> queue_;
    std::function<bool(const InputEvent&)> deliver_;
    std::function<void()> timerTick_;
    std::int64_t timerInterval_ = 0;
    std::int64_t timerDue_ = -1;
    std::function<void()> ticker_;
    std::int64_t tickerPeriod_ = 0;
    std::int64_t tickerDue_ = -1;
    std::function<void()> poller_;
    std::int64_t pollerPeriod_ = 0;
    int depth_ = 0;
    bool inputHeld_ = false;
};

}  // namespace orvant
