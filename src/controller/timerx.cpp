#include "controller/timerx.h"

#include "station/station.h"
#include "station/waits.h"

namespace orvant {

namespace {

// Stops the window timer however the pause is left (the program may end inside it).
class TimerStop {
  public:
    explicit TimerStop(MessagePump& pump) : pump_(pump) {}
    ~TimerStop() { pump_.disarmTimer(); }
    TimerStop(const TimerStop&) = delete;
    TimerStop& operator=(const TimerStop&) = delete;

  private:
    MessagePump& pump_;
};

}  // namespace

void timerx(Station& station, std::int64_t ms) {
    LinkState& link = station.link;
    station.pump.armTimer(ms, [&link] { link.delayElapsed = true; });
    const TimerStop stop(station.pump);
    link.delayElapsed = false;
    while (!link.delayElapsed) {
        pumpMessages(station);
        if (!link.delayElapsed) station.pump.waitForEvent(ms);
    }
}

}  // namespace orvant
