#include "station/waits.h"

#include "station/handoff.h"
#include "station/station.h"

namespace orvant {

void pumpMessages(Station& station) {
    station.pump.pumpOnce();
    checkHandoff(station);
}

void waitUntil(Station& station, const std::function<bool()>& done, std::int64_t idleMs) {
    for (;;) {
        pumpMessages(station);
        if (done()) return;
        station.pump.waitForEvent(idleMs);
    }
}

}  // namespace orvant
