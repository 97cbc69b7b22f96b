#pragma once

#include <QElapsedTimer>
#include <functional>

#include "platform/host.h"

namespace orvant {

// The host with a window: pump passes let the toolkit deliver what the operator did (which only
// queues input on the pump), at most ten times a second, and show the model's changes four times
// a second. On the PC clock a wait longer than that sleeps in the toolkit's event
// dispatcher, so the window stays live while the program is idle; shorter waits, and every wait
// on a virtual clock, sleep the way the inner host does.
class QtHost : public Host {
  public:
    QtHost(Host& inner, bool realClock, std::function<void()> render);
    std::int64_t elapsedMs() override { return inner_.elapsedMs(); }
    LocalDateTime localTime() override { return inner_.localTime(); }
    void poll() override;
    void waitUntil(std::int64_t elapsedMs) override;

  private:
    void renderIfDue();

    Host& inner_;
    bool realClock_;
    std::function<void()> render_;
    QElapsedTimer sinceRender_;
    QElapsedTimer sinceToolkit_;
};

}  // namespace orvant
