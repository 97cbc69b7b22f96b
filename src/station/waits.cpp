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

void watchEnterKey(Station& station, const std::string& box) {
    constexpr int kEnterKey = 13;
    station.display.onKey(box, [&station](int keyCode) {
        if (keyCode == kEnterKey) station.rot.enterPressed = 1;
    });
}

}  // namespace orvant
